#pragma once

#include "hotsync/UniqueFd.h"

#include <filesystem>

namespace hotsync {

// Holds an exclusive advisory lock on a lock file for as long as it lives; writers to one folder take the
// folder's lock so that they never interleave. Blocks until the lock is free.
class FileLock {
public:
    // Creates the lock file when it is missing. Throws std::system_error when it can be neither created
    // nor opened, or cannot be locked.
    explicit FileLock(const std::filesystem::path& lockFile);

private:
    UniqueFd m_fd;
};

}  // namespace hotsync
