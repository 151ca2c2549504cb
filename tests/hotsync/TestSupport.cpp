#include "tests/hotsync/TestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace hotsync::test {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (fs::temp_directory_path() / "hotsync-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    // A test may have left a folder read-only.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
    for (const auto& entry : fs::recursive_directory_iterator(m_path, error)) {
        if (entry.is_directory(error)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
    }
    fs::remove_all(m_path, error);
}

ScopedStoreHome::ScopedStoreHome(const fs::path& root)
{
    const char* previous = std::getenv("HOTSYNC_HOME");
    m_hadValue = previous != nullptr;
    m_previous = m_hadValue ? previous : "";
    setenv("HOTSYNC_HOME", root.c_str(), 1);
}

ScopedStoreHome::~ScopedStoreHome()
{
    if (m_hadValue) {
        setenv("HOTSYNC_HOME", m_previous.c_str(), 1);
    } else {
        unsetenv("HOTSYNC_HOME");
    }
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        entries.push_back(entry.path().filename().string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

fs::path BinFolder()
{
    return olvex::ExecutableFolder();
}

const olvex::InstallAide& Aide()
{
    static const olvex::LoadedInstallAide aide;
    return aide.Calls();
}

namespace {

std::string ReadText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

ProgramResult RunProgram(const fs::path& program, const std::vector<std::string>& arguments)
{
    TemporaryFolder outputs;
    const fs::path outFile = outputs.Path() / "out";
    const fs::path errFile = outputs.Path() / "err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);

    std::vector<std::string> argumentStorage{program.string()};
    argumentStorage.insert(argumentStorage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(argumentStorage.size() + 1);
    for (std::string& argument : argumentStorage) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::system_error(spawned, std::generic_category(), "spawn " + program.string());
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "waitpid");
        }
    }
    ProgramResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadText(outFile);
    result.err = ReadText(errFile);
    return result;
}

}  // namespace hotsync::test
