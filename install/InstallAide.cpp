#include "install/InstallAide.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

namespace olvex {

namespace {

// Binds each ordinal role to the symbol the aide exports for it; this table is the only place that knows
// the symbol names.
struct EntryPoint {
    int ordinal;
    const char* symbol;
    void (*bind)(InstallAide& calls, void* address);
};

template <typename Fn, Fn InstallAide::*Member> void Bind(InstallAide& calls, void* address)
{
    calls.*Member = reinterpret_cast<Fn>(address);
}

constexpr EntryPoint kEntryPoints[] = {
    {101, "InstAideUserCount", &Bind<UserCountFn, &InstallAide::userCount>},
    {102, "InstAideUserName", &Bind<UserNameFn, &InstallAide::userName>},
    {103, "InstAideInstallFile", &Bind<InstallFileFn, &InstallAide::installFile>},
    {106, "InstAideClearFile", &Bind<ClearFileFn, &InstallAide::clearFile>},
};

std::string LoaderError()
{
    const char* message = dlerror();
    return message != nullptr ? message : "unknown loader error";
}

}  // namespace

std::filesystem::path ExecutableFolder()
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw std::runtime_error("Cannot find the running executable: " + error.message());
    }
    return executable.parent_path();
}

LoadedInstallAide::LoadedInstallAide() : LoadedInstallAide(ExecutableFolder() / LibraryFileName) {}

LoadedInstallAide::LoadedInstallAide(const std::filesystem::path& library)
{
    m_handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        throw std::runtime_error("Cannot load the install aide " + library.string() + ": " + LoaderError());
    }
    for (const EntryPoint& entry : kEntryPoints) {
        dlerror();
        void* address = dlsym(m_handle, entry.symbol);
        if (address == nullptr) {
            std::string message = "The install aide " + library.string() + " lacks entry point " +
                                  std::to_string(entry.ordinal) + " (" + entry.symbol + "): " + LoaderError();
            dlclose(m_handle);
            m_handle = nullptr;
            throw std::runtime_error(message);
        }
        entry.bind(m_calls, address);
    }
}

LoadedInstallAide::~LoadedInstallAide()
{
    if (m_handle != nullptr) {
        dlclose(m_handle);
    }
}

LoadedInstallAide::LoadedInstallAide(LoadedInstallAide&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_calls(std::exchange(other.m_calls, {}))
{
}

LoadedInstallAide& LoadedInstallAide::operator=(LoadedInstallAide&& other) noexcept
{
    if (this != &other) {
        if (m_handle != nullptr) {
            dlclose(m_handle);
        }
        m_handle = std::exchange(other.m_handle, nullptr);
        m_calls = std::exchange(other.m_calls, {});
    }
    return *this;
}

}  // namespace olvex
