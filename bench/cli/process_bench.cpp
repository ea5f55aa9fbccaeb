// From process start to exit of `quillbit-calc --frames 90000 --json`, as a script calling it
// in a loop sees it: spawn, run, wait. Output goes to /dev/null.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>

extern char** environ;

namespace quillbit {
namespace {

bool RunOnce() {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::array<char*, 5> argv = {const_cast<char*>(QUILLBIT_CALC_PATH), const_cast<char*>("--frames"),
                               const_cast<char*>("90000"), const_cast<char*>("--json"), nullptr};
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, QUILLBIT_CALC_PATH, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_CalcProcessStartToExit(benchmark::State& state) {
  for (auto _ : state) {
    if (!RunOnce()) {
      state.SkipWithError("quillbit-calc did not run to a successful exit");
      break;
    }
  }
}
// One run per repetition, so that the median is the median of single starts.
BENCHMARK(BM_CalcProcessStartToExit)
    ->Iterations(1)
    ->Repetitions(200)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillbit
