#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hotsync {

class StoreError : public std::runtime_error {
public:
    enum class Kind { InvalidName, DuplicateUser, NoSuchUser, Unreadable, Io };
    StoreError(Kind kind, const std::string& message) : std::runtime_error(message), m_kind(kind) {}
    [[nodiscard]] Kind GetKind() const { return m_kind; }

private:
    Kind m_kind;
};

// Where the store lives: $HOTSYNC_HOME if set, else $XDG_DATA_HOME/hotsync, else
// ~/.local/share/hotsync. Read afresh on every call, so a test can point it elsewhere.
std::filesystem::path DefaultStoreRoot();

// The HotSync users and their install folders on disk:
//   <root>/users.txt          one user name a line, in the order added (see EncodeListLine)
//   <root>/.lock              taken while the list changes
//   <root>/install/<folder>/  files waiting for a user's next HotSync (see FolderNameForUser)
//   <root>/install/<folder>/.lock  taken while a file there is placed or removed
// The list is replaced atomically, so readers need no lock.
class UserStore {
public:
    static constexpr const char* UsersFileName = "users.txt";
    static constexpr const char* LockFileName = ".lock";

    explicit UserStore(std::filesystem::path root) : m_root(std::move(root)) {}

    [[nodiscard]] const std::filesystem::path& Root() const { return m_root; }

    // Empty when the store or its list does not exist; throws StoreError(Unreadable) when the list
    // cannot be read or holds a malformed line.
    [[nodiscard]] std::vector<std::string> Users() const;
    [[nodiscard]] bool HasUser(std::string_view name) const;

    // Throws StoreError: InvalidName, DuplicateUser, NoSuchUser, Unreadable or Io.
    void AddUser(std::string_view name);
    void RemoveUser(std::string_view name);

    [[nodiscard]] std::filesystem::path InstallFolder(std::string_view name) const;
    // The names of the files waiting in the user's install folder, in byte order.
    [[nodiscard]] std::vector<std::string> PendingFiles(std::string_view name) const;

private:
    void WriteUsers(const std::vector<std::string>& users) const;

    std::filesystem::path m_root;
};

}  // namespace hotsync
