// The setup program itself on a real X server: started from a folder without its install aide, it must
// say so in a box and end when the box is answered, rather than crash or open a wizard that cannot work.

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The output of a shell command, without its last line break.
std::string Output(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 256> buffer{};
    while (pipe && fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()) != nullptr) {
        out += buffer.data();
    }
    while (!out.empty() && out.back() == '\n') {
        out.pop_back();
    }
    return out;
}

TEST(SetupStartTest, WithoutItsInstallAideTheSetupSaysSoAndEnds)
{
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X server";
    }
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    const fs::path folder = fs::temp_directory_path() / ("olvex-no-aide-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path setup = folder / "olvexremote-setup";
    fs::copy_file(bin / "olvexremote-setup", setup, fs::copy_options::overwrite_existing);

    std::string program = setup.string();
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);

    std::string window;
    for (int attempt = 0; attempt < 100 && window.empty(); ++attempt) {
        window = Output(
            "xdotool search --onlyvisible --name '^OlvexRemote for PalmOS Setup$' 2>/dev/null | head -n1");
        if (window.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    ASSERT_FALSE(window.empty()) << "no window appeared";
    // A message box, not the wizard: it is no larger than its text and one row of buttons.
    const int height = std::stoi(Output("xwininfo -id " + window + " | awk '/Height:/ {print $2}'"));
    EXPECT_LT(height, 200);

    std::system("xdotool key Return");
    int status = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!WIFEXITED(status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    EXPECT_TRUE(WIFEXITED(status)) << "the setup did not end after the box was answered";
    fs::remove_all(folder);
}

}  // namespace
