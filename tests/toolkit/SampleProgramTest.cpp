// The sample program itself, started as a separate process the way a person starts it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int exitStatus = -1;
    std::string errors;
};

// The program built beside this test executable.
std::filesystem::path Sibling(const char* name)
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / name;
}

// Runs `program` with `arguments` and the environment of this process but DISPLAY set to `display`;
// collects what it writes on stderr.
Outcome RunWithDisplay(const std::filesystem::path& program, std::vector<std::string> arguments,
                       const std::string& display)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "DISPLAY=", 8) != 0) {
            environment.emplace_back(*entry);
        }
    }
    environment.push_back("DISPLAY=" + display);
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string path = program.string();
    std::vector<char*> argv{path.data()};
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    std::array<int, 2> pipeFds{};
    Outcome outcome;
    if (pipe(pipeFds.data()) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return outcome;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        ADD_FAILURE() << "cannot start " << path << ": " << std::strerror(spawned);
        return outcome;
    }
    std::array<char, 512> buffer{};
    for (ssize_t got = read(pipeFds[0], buffer.data(), buffer.size()); got > 0;
         got = read(pipeFds[0], buffer.data(), buffer.size())) {
        outcome.errors.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

struct RunCase {
    std::vector<std::string> arguments;
    bool usageError;  // else: fails for want of an X server
};

TEST(SampleProgramTest, WithoutAnXServerOrWithAnUnknownArgumentItSaysSoAndFails)
{
    const auto program = Sibling("tk-sample");
    ASSERT_TRUE(std::filesystem::exists(program)) << program;
    const std::vector<RunCase> cases = {
        {{}, false},
        {{"--message-box", "yesno"}, false},
        {{"--message-box", "maybe"}, true},
        {{"--verbose"}, true},
    };
    for (const RunCase& c : cases) {
        const Outcome outcome = RunWithDisplay(program, c.arguments, ":4242");
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        EXPECT_NE(outcome.exitStatus, 0);
        EXPECT_LT(outcome.exitStatus, 128) << "ended by a signal: " << outcome.errors;
        EXPECT_THAT(outcome.errors, ::testing::HasSubstr(c.usageError ? "usage" : "cannot open display"));
    }
}

}  // namespace
