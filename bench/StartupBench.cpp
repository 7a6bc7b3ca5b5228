// Times the panel's start: from the launch of the program to the end of its
// first paint, on a drive already installed (the daily start), after one
// first start that installs the shipped data (timed too, apart).
//
//   ninja -C build startup_bench && build/bench/startup_bench [RUNS]
//
// The program timed is the panel itself with a hook that reports its first
// paint (FirstPaint.cpp). It runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM or DISPLAY says otherwise.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long NowNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// One start of the panel on the drive: milliseconds to its first paint.
double StartOnce(const std::string& drive) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.push_back(*e);
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) env.push_back("QT_QPA_PLATFORM=offscreen");
  env.push_back("TAVRIN_BENCH_LAUNCH=" + std::to_string(NowNanoseconds()));
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string program = TAVRIN_BENCH_PANEL, option = "--drive", root = drive;
  char* argv[] = {program.data(), option.data(), root.data(), nullptr};
  pid_t child;
  int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string reply;
  char buffer[64];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) reply.append(buffer, n);
  close(out[0]);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  return reply.empty() ? -1 : std::atof(reply.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  std::filesystem::path drive = std::filesystem::temp_directory_path() / ("tavrin-startup-" + std::to_string(getpid()));
  std::filesystem::create_directories(drive);
  const double first = StartOnce(drive.string());
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(StartOnce(drive.string()));
  std::filesystem::remove_all(drive);
  if (first < 0 || std::count(times.begin(), times.end(), -1.0) > 0) {
    std::fprintf(stderr, "startup_bench: the panel did not report its first paint\n");
    return 1;
  }
  std::sort(times.begin(), times.end());
  std::printf("first start (installs the shipped data): %.0f ms\n", first);
  std::printf("start to first paint, %d runs: median %.0f ms, fastest %.0f ms, slowest %.0f ms\n", runs,
              times[times.size() / 2], times.front(), times.back());
  return 0;
}
