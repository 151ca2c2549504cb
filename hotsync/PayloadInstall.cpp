#include "hotsync/PayloadInstall.h"

#include "hotsync/FileLock.h"
#include "hotsync/InstAideCodes.h"
#include "hotsync/PalmDatabase.h"
#include "hotsync/UniqueFd.h"
#include "hotsync/UserNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <system_error>
#include <variant>
#include <vector>

namespace hotsync {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MaxFileNameLength = 200;
// Far above any handheld database; a larger file is not one of ours.
constexpr off_t MaxPayloadSize = off_t{64} * 1024 * 1024;

using Bytes = std::vector<std::uint8_t>;

bool HasExtension(std::string_view fileName, std::string_view extension)
{
    if (fileName.size() < extension.size()) {
        return false;
    }
    const std::string_view tail = fileName.substr(fileName.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// The payload file's bytes, or the code that says why there are none.
std::variant<Bytes, int> ReadPayload(const fs::path& source)
{
    UniqueFd fd(open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        return errno == ENOENT || errno == ENOTDIR ? INSTAIDE_MISSING_SOURCE : INSTAIDE_IO_FAILURE;
    }
    struct stat status {};
    if (fstat(fd.Get(), &status) != 0) {
        return INSTAIDE_IO_FAILURE;
    }
    if (!S_ISREG(status.st_mode)) {
        return INSTAIDE_MISSING_SOURCE;
    }
    if (status.st_size > MaxPayloadSize) {
        return INSTAIDE_INVALID_DATABASE;
    }
    Bytes bytes(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return INSTAIDE_IO_FAILURE;
        }
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

bool IsInstallableDatabase(std::string_view fileName, const Bytes& bytes)
{
    try {
        const palm::Database database = palm::Parse(bytes);
        if (HasExtension(fileName, ".prc")) {
            return database.IsResourceDatabase();
        }
        if (HasExtension(fileName, ".pdb")) {
            return !database.IsResourceDatabase();
        }
        return true;
    } catch (const palm::FormatError&) {
        return false;
    }
}

// The user's install folder, checked and created; or the code that says why it cannot be used.
std::variant<fs::path, int> UserFolder(const UserStore& store, std::string_view user)
{
    if (UserNameProblem(user)) {
        return INSTAIDE_NO_SUCH_USER;
    }
    if (!store.HasUser(user)) {
        return INSTAIDE_NO_SUCH_USER;
    }
    return store.InstallFolder(user);
}

int CodeOf(const StoreError& error)
{
    return error.GetKind() == StoreError::Kind::NoSuchUser ? INSTAIDE_NO_SUCH_USER : INSTAIDE_IO_FAILURE;
}

}  // namespace

std::optional<std::string> FileNameProblem(std::string_view fileName)
{
    if (fileName.empty()) {
        return "the file name is empty";
    }
    if (fileName.size() > MaxFileNameLength) {
        return "the file name is longer than " + std::to_string(MaxFileNameLength) + " bytes";
    }
    if (fileName.front() == '.' || fileName.find("..") != std::string_view::npos) {
        return "the file name starts with a dot or holds \"..\"";
    }
    const bool unusable = std::any_of(fileName.begin(), fileName.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f;
    });
    if (unusable) {
        return "the file name holds a folder separator or a control byte";
    }
    return std::nullopt;
}

int InstallPayloadFile(const UserStore& store, const fs::path& payloadFolder, std::string_view user,
                       std::string_view fileName, const WriteFunction& write)
{
    try {
        const std::variant<fs::path, int> folder = UserFolder(store, user);
        if (const int* code = std::get_if<int>(&folder)) {
            return *code;
        }
        if (FileNameProblem(fileName)) {
            return INSTAIDE_BAD_FILE_NAME;
        }
        const std::variant<Bytes, int> payload = ReadPayload(payloadFolder / fileName);
        if (const int* code = std::get_if<int>(&payload)) {
            return *code;
        }
        const Bytes& bytes = std::get<Bytes>(payload);
        if (!IsInstallableDatabase(fileName, bytes)) {
            return INSTAIDE_INVALID_DATABASE;
        }

        const fs::path& target = std::get<fs::path>(folder);
        fs::create_directories(target);
        FileLock lock(target / UserStore::LockFileName);
        RemoveStaleTemporaries(target, fileName);
        std::error_code error;
        if (fs::symlink_status(target / fileName, error).type() != fs::file_type::not_found) {
            return error ? INSTAIDE_IO_FAILURE : INSTAIDE_FILE_EXISTS;
        }
        const WriteOutcome outcome = WriteFileAtomically(target, fileName, bytes, ExistingFile::Keep, write);
        return outcome == WriteOutcome::Written ? INSTAIDE_OK : INSTAIDE_FILE_EXISTS;
    } catch (const StoreError& error) {
        return CodeOf(error);
    } catch (const std::system_error&) {
        return INSTAIDE_IO_FAILURE;
    }
}

int ClearWaitingFile(const UserStore& store, std::string_view user, std::string_view fileName)
{
    try {
        const std::variant<fs::path, int> folder = UserFolder(store, user);
        if (const int* code = std::get_if<int>(&folder)) {
            return *code;
        }
        if (FileNameProblem(fileName)) {
            return INSTAIDE_BAD_FILE_NAME;
        }
        const fs::path& target = std::get<fs::path>(folder);
        std::error_code error;
        if (!fs::exists(target, error)) {
            return INSTAIDE_NOT_WAITING;
        }
        FileLock lock(target / UserStore::LockFileName);
        UniqueFd folderFd(open(target.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!folderFd.IsOpen()) {
            return INSTAIDE_IO_FAILURE;
        }
        const std::string name(fileName);
        if (unlinkat(folderFd.Get(), name.c_str(), 0) != 0) {
            return errno == ENOENT ? INSTAIDE_NOT_WAITING : INSTAIDE_IO_FAILURE;
        }
        return fsync(folderFd.Get()) == 0 ? INSTAIDE_OK : INSTAIDE_IO_FAILURE;
    } catch (const StoreError& error) {
        return CodeOf(error);
    } catch (const std::system_error&) {
        return INSTAIDE_IO_FAILURE;
    }
}

}  // namespace hotsync
