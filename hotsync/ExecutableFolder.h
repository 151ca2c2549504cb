#pragma once

#include <filesystem>

namespace hotsync {

// The folder of the running executable (from /proc/self/exe), never the working directory: the aide is
// loaded into the setup and finds the payload beside the setup. Throws std::system_error when unknown.
std::filesystem::path ExecutableFolder();

// The folder of payload files beside the running executable.
inline std::filesystem::path PayloadFolder()
{
    return ExecutableFolder() / "payload";
}

}  // namespace hotsync
