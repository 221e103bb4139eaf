// Start-up time and peak memory of the program against the baseline program, side by side.
//
//   quibbet_startup_probe RUNS HOOK PROGRAM BASELINE
//
// Starts PROGRAM and BASELINE in turn, RUNS times each after one unmeasured start of each (so
// both find their libraries in the page cache), with HOOK (the first-frame library) preloaded.
// Start-up is the time from just before the process is spawned to the moment its first window
// has painted its first frame; peak memory is the largest resident set the kernel saw for the
// process, the figure /usr/bin/time -v reports. Prints the medians and their ratios, one
// "name value unit" line each.

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kFrameTimeoutMs = 20'000;

struct Launch {
  double startupMs = 0;
  double peakRssKiB = 0;
};

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The probe's own environment with the hook preloaded.
std::vector<std::string> HookedEnvironment(const std::string& hook) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!std::string(*entry).starts_with("LD_PRELOAD=")) {
      env.emplace_back(*entry);
    }
  }
  env.push_back("LD_PRELOAD=" + hook);
  return env;
}

std::vector<char*> NullTerminated(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) {
    pointers.push_back(s.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

// What the hook wrote, read until the program closes its end; empty when it wrote nothing in
// time.
std::string ReadFrameTime(int fd) {
  std::string text;
  pollfd wait{fd, POLLIN, 0};
  char buffer[64];
  while (poll(&wait, 1, kFrameTimeoutMs) > 0) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) {
      break;
    }
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

pid_t Spawn(const std::string& program, std::vector<std::string>& env, int outputFd, int unusedFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, outputFd);
  posix_spawn_file_actions_addclose(&actions, unusedFd);
  std::string name = program;
  char* argv[] = {name.data(), nullptr};
  std::vector<char*> envp = NullTerminated(env);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    throw std::runtime_error("cannot start " + program);
  }
  return pid;
}

Launch LaunchOnce(const std::string& program, const std::string& hook) {
  std::vector<std::string> env = HookedEnvironment(hook);
  int fds[2];
  if (pipe(fds) != 0) {
    throw std::runtime_error("no pipe");
  }
  const long long spawned = MonotonicNs();
  const pid_t pid = Spawn(program, env, fds[1], fds[0]);
  close(fds[1]);
  const std::string frameTime = ReadFrameTime(fds[0]);
  close(fds[0]);
  if (frameTime.empty()) {
    kill(pid, SIGKILL);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (frameTime.empty()) {
    throw std::runtime_error(program + " showed no frame");
  }
  const long long painted = std::stoll(frameTime);
  return {static_cast<double>(painted - spawned) / 1e6, static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
  std::vector<double> startupMs;
  std::vector<double> peakRssKiB;

  void Add(const Launch& launch) {
    startupMs.push_back(launch.startupMs);
    peakRssKiB.push_back(launch.peakRssKiB);
  }
};

void Report(const Series& program, const Series& baseline) {
  const double startup = Median(program.startupMs);
  const double startupBase = Median(baseline.startupMs);
  const double rss = Median(program.peakRssKiB);
  const double rssBase = Median(baseline.peakRssKiB);
  std::printf("startup_program_median %.1f ms\n", startup);
  std::printf("startup_baseline_median %.1f ms\n", startupBase);
  std::printf("startup_ratio %.3f x\n", startup / startupBase);
  std::printf("peak_rss_program_median %.0f KiB\n", rss);
  std::printf("peak_rss_baseline_median %.0f KiB\n", rssBase);
  std::printf("peak_rss_ratio %.3f x\n", rss / rssBase);
}

// The ratios compare two programs that both wait on the X server and the disk; on a busy machine
// that waiting swamps the difference, so the figures hold only for an idle one.
void WarnWhenBusy() {
  constexpr double kIdleLoad = 0.5;
  double load = 0;
  if (getloadavg(&load, 1) == 1 && load > kIdleLoad) {
    std::fprintf(stderr,
                 "quibbet_startup_probe: warning: load average %.2f is above %.1f; the ratios "
                 "are meant for an idle machine\n",
                 load, kIdleLoad);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: quibbet_startup_probe RUNS HOOK PROGRAM BASELINE\n", stderr);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::string hook = argv[2];
  const std::string program = argv[3];
  const std::string baseline = argv[4];
  WarnWhenBusy();
  try {
    LaunchOnce(program, hook);
    LaunchOnce(baseline, hook);
    Series programSeries;
    Series baselineSeries;
    for (int i = 0; i < runs; ++i) {
      programSeries.Add(LaunchOnce(program, hook));
      baselineSeries.Add(LaunchOnce(baseline, hook));
    }
    Report(programSeries, baselineSeries);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quibbet_startup_probe: %s\n", error.what());
    return 1;
  }
  return 0;
}
