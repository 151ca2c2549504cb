#include "hotsync/UserStore.h"

#include "hotsync/AtomicFile.h"
#include "hotsync/FileLock.h"
#include "hotsync/UniqueFd.h"
#include "hotsync/UserNames.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace hotsync {

namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeFolder()
{
    std::string home = Environment("HOME");
    if (!home.empty()) {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    if (entry == nullptr || entry->pw_dir == nullptr) {
        throw StoreError(StoreError::Kind::Unreadable, "cannot find the home folder for the HotSync store");
    }
    return entry->pw_dir;
}

// The whole users list, or nothing when it does not exist.
std::string ReadListFile(const fs::path& file)
{
    UniqueFd fd(open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return {};
        }
        throw StoreError(StoreError::Kind::Unreadable,
                         "cannot open " + file.string() + ": " + std::strerror(errno));
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw StoreError(StoreError::Kind::Unreadable,
                             "cannot read " + file.string() + ": " + std::strerror(errno));
        }
        if (got == 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

[[noreturn]] void ThrowIo(const std::string& what, const std::error_code& error)
{
    throw StoreError(StoreError::Kind::Io, what + ": " + error.message());
}

void CreateFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        ThrowIo("cannot create " + folder.string(), error);
    }
}

void CheckName(std::string_view name)
{
    if (auto problem = UserNameProblem(name)) {
        throw StoreError(StoreError::Kind::InvalidName, *problem);
    }
}

}  // namespace

fs::path DefaultStoreRoot()
{
    if (std::string home = Environment("HOTSYNC_HOME"); !home.empty()) {
        return home;
    }
    // Relative values of the data-home variable are to be ignored, as if unset.
    if (std::string dataHome = Environment("XDG_DATA_HOME"); !dataHome.empty() && dataHome.front() == '/') {
        return fs::path(dataHome) / "hotsync";
    }
    return fs::path(HomeFolder()) / ".local" / "share" / "hotsync";
}

std::vector<std::string> UserStore::Users() const
{
    const fs::path file = m_root / UsersFileName;
    const std::string text = ReadListFile(file);
    std::vector<std::string> users;
    std::size_t lineNumber = 0;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        ++lineNumber;
        const std::string_view line(text.data() + begin, end - begin);
        begin = end + 1;
        if (line.empty()) {
            continue;
        }
        std::optional<std::string> name = DecodeListLine(line);
        if (!name) {
            throw StoreError(StoreError::Kind::Unreadable,
                             file.string() + ":" + std::to_string(lineNumber) + ": not a valid user name");
        }
        users.push_back(std::move(*name));
    }
    return users;
}

bool UserStore::HasUser(std::string_view name) const
{
    const std::vector<std::string> users = Users();
    return std::find(users.begin(), users.end(), name) != users.end();
}

void UserStore::AddUser(std::string_view name)
{
    CheckName(name);
    CreateFolder(m_root);
    try {
        FileLock lock(m_root / LockFileName);
        std::vector<std::string> users = Users();
        if (std::find(users.begin(), users.end(), name) != users.end()) {
            throw StoreError(StoreError::Kind::DuplicateUser,
                             "user \"" + std::string(name) + "\" already exists");
        }
        CreateFolder(InstallFolder(name));
        users.emplace_back(name);
        WriteUsers(users);
    } catch (const std::system_error& error) {
        ThrowIo("cannot add user", error.code());
    }
}

void UserStore::RemoveUser(std::string_view name)
{
    CheckName(name);
    // Without this, a store that does not exist yet would fail on its lock file instead.
    if (!HasUser(name)) {
        throw StoreError(StoreError::Kind::NoSuchUser, "no user \"" + std::string(name) + "\"");
    }
    try {
        FileLock lock(m_root / LockFileName);
        std::vector<std::string> users = Users();
        const auto found = std::find(users.begin(), users.end(), name);
        if (found == users.end()) {
            throw StoreError(StoreError::Kind::NoSuchUser, "no user \"" + std::string(name) + "\"");
        }
        users.erase(found);
        WriteUsers(users);

        const fs::path folder = InstallFolder(name);
        std::error_code error;
        if (fs::exists(folder, error)) {
            FileLock folderLock(folder / LockFileName);
            fs::remove_all(folder, error);
        }
        if (error) {
            ThrowIo("user removed, but cannot remove " + folder.string(), error);
        }
    } catch (const std::system_error& error) {
        ThrowIo("cannot remove user", error.code());
    }
}

fs::path UserStore::InstallFolder(std::string_view name) const
{
    return m_root / "install" / FolderNameForUser(name);
}

std::vector<std::string> UserStore::PendingFiles(std::string_view name) const
{
    CheckName(name);
    if (!HasUser(name)) {
        throw StoreError(StoreError::Kind::NoSuchUser, "no user \"" + std::string(name) + "\"");
    }
    const fs::path folder = InstallFolder(name);
    std::vector<std::string> files;
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return files;
    }
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::string file = entry.path().filename().string();
        if (!file.starts_with('.') && entry.is_regular_file(error)) {
            files.push_back(std::move(file));
        }
    }
    if (error) {
        ThrowIo("cannot list " + folder.string(), error);
    }
    std::sort(files.begin(), files.end());
    return files;
}

void UserStore::WriteUsers(const std::vector<std::string>& users) const
{
    std::string text;
    for (const std::string& user : users) {
        text += EncodeListLine(user);
        text += '\n';
    }
    RemoveStaleTemporaries(m_root, UsersFileName);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    WriteFileAtomically(m_root, UsersFileName, {bytes, text.size()}, ExistingFile::Replace);
}

}  // namespace hotsync
