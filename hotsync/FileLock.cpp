#include "hotsync/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <system_error>

namespace hotsync {

FileLock::FileLock(const std::filesystem::path& lockFile)
    : m_fd(open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
{
    if (!m_fd.IsOpen() && (errno == EACCES || errno == EROFS)) {
        // A read-only folder can still be locked through an existing lock file; the write that follows
        // will then report the real trouble.
        m_fd.Reset(open(lockFile.c_str(), O_RDONLY | O_CLOEXEC));
    }
    if (!m_fd.IsOpen()) {
        throw std::system_error(errno, std::generic_category(), "open lock file " + lockFile.string());
    }
    while (flock(m_fd.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "lock " + lockFile.string());
        }
    }
}

}  // namespace hotsync
