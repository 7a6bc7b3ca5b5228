#include "tests/windows/Wine.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "jw/host/Host.h"

extern char** environ;

namespace test {
namespace fs = std::filesystem;

namespace {

const std::vector<std::pair<std::string, std::string>>& Environment() {
  static const std::vector<std::pair<std::string, std::string>> environment = {
      {"WINEPREFIX", WinePrefix().string()}, {"WINEDEBUG", "-all"}, {"WINEDLLOVERRIDES", "mscoree,mshtml="}};
  return environment;
}

std::vector<std::string> CommandLine(const fs::path& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {jw::FindWine()->string(), WindowsPath(program)};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return argv;
}

}  // namespace

fs::path WinePrefix() { return TAVRIN_WINE_PREFIX; }
fs::path TavrinExe() { return fs::path(TAVRIN_WINDOWS_PROGRAMS) / "Tavrin.exe"; }
fs::path UnpackedTavrinExe() { return fs::path(TAVRIN_WINDOWS_PACKAGE) / "Tavrin" / "exe" / "Tavrin.exe"; }
fs::path WindowsHelper(const std::string& name) { return fs::path(TAVRIN_WINDOWS_HELPERS) / (name + ".exe"); }

bool WineRequired() {
  const char* required = std::getenv("TAVRIN_WINE_REQUIRED");
  return required && *required && std::string(required) != "0";
}

std::string WineMissing(bool display) {
  std::error_code ec;
  if (!jw::FindWine()) return "Wine is not installed (scripts/windows.sh installs it)";
  if (!fs::exists(TavrinExe(), ec)) return "Tavrin.exe is not built (x86_64-w64-mingw32-g++ is missing)";
  if (!fs::exists(WinePrefix() / ".tavrin-ready", ec))
    return "the Wine prefix " + WinePrefix().string() + " is not set up: run scripts/windows.sh";
  const char* shown = std::getenv("DISPLAY");
  if (display && !(shown && *shown)) return "no display: scripts/windows.sh starts one";
  return "";
}

std::string WindowsPath(const fs::path& host) {
  std::string path = "Z:" + fs::absolute(host).string();
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

int RunUnderWine(const fs::path& program, const std::vector<std::string>& arguments, std::string* output) {
  if (!output) return WaitFor(StartUnderWine(program, arguments));
  const fs::path file = fs::temp_directory_path() / ("tavrin-wine-output-" + std::to_string(getpid()));
  int code = WaitFor(StartUnderWine(program, arguments, file));
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  *output = text.str();
  fs::remove(file);
  return code;
}

int StartUnderWine(const fs::path& program, const std::vector<std::string>& arguments, const fs::path& output) {
  std::vector<std::string> argv = CommandLine(program, arguments);
  std::vector<std::string> variables;
  for (char** e = environ; *e; ++e) variables.emplace_back(*e);
  for (const auto& [name, value] : Environment()) variables.push_back(name + "=" + value);
  std::vector<char*> args, envs;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  for (std::string& v : variables) envs.push_back(v.data());
  envs.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!output.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
  }
  pid_t pid = 0;
  int failed = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envs.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw std::runtime_error("cannot start " + argv[0]);
  return pid;
}

int WaitFor(int pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace test
