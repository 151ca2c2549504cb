#pragma once

#include "install/InstallAide.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace hotsync::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    [[nodiscard]] const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// Points HOTSYNC_HOME at `root` for as long as it lives, for the aide, the store and child processes.
class ScopedStoreHome {
public:
    explicit ScopedStoreHome(const fs::path& root);
    ~ScopedStoreHome();
    ScopedStoreHome(const ScopedStoreHome&) = delete;
    ScopedStoreHome& operator=(const ScopedStoreHome&) = delete;

private:
    bool m_hadValue;
    std::string m_previous;
};

std::vector<std::uint8_t> ReadBytes(const fs::path& file);
void WriteBytes(const fs::path& file, std::span<const std::uint8_t> bytes);

// Every entry of a folder, hidden ones too, sorted.
std::vector<std::string> FolderEntries(const fs::path& folder);

// The build's output folder: the test executable, the aide, the tool and the payload live there.
fs::path BinFolder();
inline fs::path PayloadFile(const std::string& name)
{
    return BinFolder() / "payload" / name;
}

// The real aide, loaded once from beside the test executable.
const olvex::InstallAide& Aide();

struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs `program` with `arguments` in the current environment and collects its output.
ProgramResult RunProgram(const fs::path& program, const std::vector<std::string>& arguments);

}  // namespace hotsync::test
