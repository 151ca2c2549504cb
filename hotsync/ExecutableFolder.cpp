#include "hotsync/ExecutableFolder.h"

namespace hotsync {

std::filesystem::path ExecutableFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace hotsync
