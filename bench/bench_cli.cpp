#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

namespace {

// Starts plenara-cli with `argv` (the program first) until the state says stop. The counter
// childCpu is the processor time of one run of the program (user and system), which other
// work on the machine does not stretch as it stretches the real time.
void spawnCli(benchmark::State& state, char** argv) {
    char* program = argv[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    double childCpuSeconds = 0.0;
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, program, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("plenara-cli cannot be started");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        childCpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("plenara-cli failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["childCpu"] =
        benchmark::Counter(childCpuSeconds, benchmark::Counter::kAvgIterations);
}

// The whole plenara-cli process on the sample building, from its start to its exit: loading
// the program and its libraries, reading the climate data, the recalculation and the JSON.
void BM_CliProcessSampleJson(benchmark::State& state) {
    char program[] = PLENARA_CLI_PROGRAM;
    char sample[] = "--sample";
    char json[] = "--json";
    char* argv[] = {program, sample, json, nullptr};
    spawnCli(state, argv);
}
BENCHMARK(BM_CliProcessSampleJson)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole `plenara-cli --sample --sensitivity` process with 1,000 draws (the default).
void BM_CliProcessSampleSensitivity(benchmark::State& state) {
    char program[] = PLENARA_CLI_PROGRAM;
    char sample[] = "--sample";
    char sensitivity[] = "--sensitivity";
    char* argv[] = {program, sample, sensitivity, nullptr};
    spawnCli(state, argv);
}
BENCHMARK(BM_CliProcessSampleSensitivity)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
