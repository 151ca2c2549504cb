#pragma once

#include <filesystem>

namespace olvex {

// The aide's answer to an offer when a file of that name already waits in the user's install folder.
constexpr int INSTALL_FILE_EXISTS = -512;
// Room the setup gives the aide for one user name, its NUL included.
constexpr int USER_NAME_BUFFER_SIZE = 250;

// The aide's four entry points, by ordinal role. The setup never calls the aide any other way.
using UserCountFn = int (*)();                                          // 101: number of users; <= 0: none
using UserNameFn = int (*)(int index, char* name, int* size);           // 102: > 0 on success; size in/out
using InstallFileFn = int (*)(const char* user, const char* fileName);  // 103: 0, INSTALL_FILE_EXISTS, other
using ClearFileFn = int (*)(const char* user, const char* fileName);    // 106: result not looked at

// Plain on purpose: tests of the wizard fill it with scripted functions of their own.
struct InstallAide {
    UserCountFn userCount = nullptr;
    UserNameFn userName = nullptr;
    InstallFileFn installFile = nullptr;
    ClearFileFn clearFile = nullptr;
};

// The aide's shared library, loaded for as long as this object lives. The default constructor looks for
// it in the folder of the running executable, never in the working directory, so that the setup always
// talks to the aide it was shipped with.
class LoadedInstallAide {
public:
    static constexpr const char* LibraryFileName = "libinstaide.so";

    LoadedInstallAide();
    // Throws std::runtime_error naming the file and the loader's complaint when the library cannot be
    // loaded or lacks one of the four entry points.
    explicit LoadedInstallAide(const std::filesystem::path& library);
    ~LoadedInstallAide();

    LoadedInstallAide(const LoadedInstallAide&) = delete;
    LoadedInstallAide& operator=(const LoadedInstallAide&) = delete;
    LoadedInstallAide(LoadedInstallAide&& other) noexcept;
    LoadedInstallAide& operator=(LoadedInstallAide&& other) noexcept;

    [[nodiscard]] const InstallAide& Calls() const { return m_calls; }

private:
    void* m_handle = nullptr;
    InstallAide m_calls;
};

// The folder holding the running executable, from /proc/self/exe.
std::filesystem::path ExecutableFolder();

}  // namespace olvex
