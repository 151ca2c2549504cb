// Process start to the first painted frame: the setup's wizard against the toolkit's bare sample dialog.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

extern char** environ;

namespace {

std::string FirstFrameProgram()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "bench_first_frame").string();
}

void RunToFirstFrame(benchmark::State& state, const char* which)
{
    std::string program = FirstFrameProgram();
    for (auto _ : state) {
        pid_t pid = 0;
        std::string arg = which;
        char* argv[] = {program.data(), arg.data(), nullptr};
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start bench_first_frame");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("bench_first_frame did not reach its first frame");
            return;
        }
    }
}

void BM_FirstFrame_Wizard(benchmark::State& state)
{
    RunToFirstFrame(state, "wizard");
}
void BM_FirstFrame_SampleDialog(benchmark::State& state)
{
    RunToFirstFrame(state, "sample");
}

}  // namespace

BENCHMARK(BM_FirstFrame_SampleDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstFrame_Wizard)->Unit(benchmark::kMillisecond);
