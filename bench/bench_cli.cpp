#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

namespace {

// The whole plenara-cli process on the sample building, from its start to its exit: loading
// the program and its libraries, reading the climate data, the recalculation and the JSON.
void BM_CliProcessSampleJson(benchmark::State& state) {
    char program[] = PLENARA_CLI_PROGRAM;
    char sample[] = "--sample";
    char json[] = "--json";
    char* argv[] = {program, sample, json, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, program, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("plenara-cli cannot be started");
            break;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("plenara-cli failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CliProcessSampleJson)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
