#include "hotsync/AtomicFile.h"

#include "hotsync/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

namespace hotsync {

namespace {

constexpr mode_t InstalledFileMode = 0644;

[[noreturn]] void ThrowErrno(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

// Unlinks the temporary unless the rename has taken it over.
class TemporaryFile {
public:
    TemporaryFile(int folderFd, std::string name) : m_folderFd(folderFd), m_name(std::move(name)) {}
    ~TemporaryFile()
    {
        if (!m_name.empty()) {
            unlinkat(m_folderFd, m_name.c_str(), 0);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    [[nodiscard]] const std::string& Name() const { return m_name; }
    void Release() { m_name.clear(); }

private:
    int m_folderFd;
    std::string m_name;
};

void WriteAll(int fd, std::span<const std::uint8_t> bytes, const WriteFunction& write)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("write");
        }
        if (written == 0) {
            errno = ENOSPC;
            ThrowErrno("write");
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

// Moves the temporary to its real name; false when ExistingFile::Keep finds the name taken.
bool MoveIntoPlace(int folderFd, const std::string& temporary, const std::string& name, ExistingFile existing)
{
    if (existing == ExistingFile::Replace) {
        if (renameat(folderFd, temporary.c_str(), folderFd, name.c_str()) != 0) {
            ThrowErrno("rename");
        }
        return true;
    }
    if (renameat2(folderFd, temporary.c_str(), folderFd, name.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        ThrowErrno("rename");
    }
    // File systems without a no-replace rename: a hard link fails just as atomically on a taken name.
    if (linkat(folderFd, temporary.c_str(), folderFd, name.c_str(), 0) != 0) {
        if (errno == EEXIST) {
            return false;
        }
        ThrowErrno("link");
    }
    unlinkat(folderFd, temporary.c_str(), 0);
    return true;
}

}  // namespace

ssize_t SystemWrite(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

std::string TemporaryPrefix(std::string_view name)
{
    return "." + std::string(name) + ".tmp-";
}

WriteOutcome WriteFileAtomically(const std::filesystem::path& folder, std::string_view name,
                                 std::span<const std::uint8_t> bytes, ExistingFile existing,
                                 const WriteFunction& write)
{
    UniqueFd folderFd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.IsOpen()) {
        ThrowErrno("open folder " + folder.string());
    }
    std::string pattern = (folder / (TemporaryPrefix(name) + "XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    UniqueFd file(mkostemp(buffer.data(), O_CLOEXEC));
    if (!file.IsOpen()) {
        ThrowErrno("create temporary in " + folder.string());
    }
    TemporaryFile temporary(folderFd.Get(), std::filesystem::path(buffer.data()).filename().string());

    WriteAll(file.Get(), bytes, write);
    if (fchmod(file.Get(), InstalledFileMode) != 0) {
        ThrowErrno("chmod");
    }
    if (fsync(file.Get()) != 0) {
        ThrowErrno("fsync");
    }
    if (!file.Close()) {
        ThrowErrno("close");
    }
    if (!MoveIntoPlace(folderFd.Get(), temporary.Name(), std::string(name), existing)) {
        return WriteOutcome::TargetExists;
    }
    temporary.Release();
    if (fsync(folderFd.Get()) != 0) {
        ThrowErrno("fsync folder " + folder.string());
    }
    return WriteOutcome::Written;
}

void RemoveStaleTemporaries(const std::filesystem::path& folder, std::string_view name)
{
    const std::string prefix = TemporaryPrefix(name);
    const std::size_t uniqueSuffixLength = 6;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string entryName = entry.path().filename().string();
        if (entryName.size() == prefix.size() + uniqueSuffixLength && entryName.starts_with(prefix)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

}  // namespace hotsync
