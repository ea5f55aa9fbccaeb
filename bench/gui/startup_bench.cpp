// Start to first shown window: Quillbit and a bare Qt program with as many widgets, started in
// turn in the same run so that both see the same machine. Reports the medians, their ratio and
// the peak resident memory of each. Without a display the children run offscreen.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double msToShown = 0;
  double peakRssMb = 0;
};

std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  if (!display && !std::getenv("QT_QPA_PLATFORM")) env.emplace_back("QT_QPA_PLATFORM=offscreen");
  // Keep the children away from the person's own settings.
  env.emplace_back("XDG_CONFIG_HOME=/tmp/quillbit-bench-config");
  return env;
}

Run StartOnce(const char* exe) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  static const std::vector<std::string> envStrings = ChildEnvironment();
  std::vector<char*> env;
  for (const std::string& e : envStrings) env.push_back(const_cast<char*>(e.c_str()));
  env.push_back(nullptr);
  std::string arg0 = exe;
  std::string arg1 = "--quit-when-shown";
  char* argv[] = {arg0.data(), arg1.data(), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, exe, &actions, nullptr, argv, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  Run run;
  if (spawned == 0) {
    std::string out;
    char buffer[256];
    ssize_t got = 0;
    while (out.find("shown\n") == std::string::npos &&
           (got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
      out.append(buffer, static_cast<size_t>(got));
    }
    const auto shown = std::chrono::steady_clock::now();
    run.msToShown = std::chrono::duration<double, std::milli>(shown - start).count();
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  }
  close(pipeFds[0]);
  return run;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void BM_StartToFirstShownWindow(benchmark::State& state) {
  std::vector<double> quillbit, bare, quillbitRss, bareRss;
  for (auto _ : state) {
    const Run q = StartOnce(QUILLBIT_EXE);
    const Run b = StartOnce(BARE_EXE);
    state.SetIterationTime(q.msToShown / 1000.0);
    quillbit.push_back(q.msToShown);
    bare.push_back(b.msToShown);
    quillbitRss.push_back(q.peakRssMb);
    bareRss.push_back(b.peakRssMb);
  }
  const double q = Median(quillbit);
  const double b = Median(bare);
  state.counters["quillbit_ms"] = q;
  state.counters["bare_ms"] = b;
  state.counters["ratio"] = b > 0 ? q / b : 0;
  state.counters["quillbit_rss_MB"] = *std::max_element(quillbitRss.begin(), quillbitRss.end());
  state.counters["bare_rss_MB"] = *std::max_element(bareRss.begin(), bareRss.end());
}
BENCHMARK(BM_StartToFirstShownWindow)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

}  // namespace
