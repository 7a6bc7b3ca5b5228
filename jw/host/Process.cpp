#include "jw/host/Process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "jw/Exchange.h"

extern char** environ;

namespace jw {

int RunProcess(const std::vector<std::string>& argv,
               const std::vector<std::pair<std::string, std::string>>& environment) {
  std::vector<std::string> variables;
  for (char** e = environ; *e; ++e) {
    std::string_view variable = *e;
    bool replaced = false;
    for (const auto& [name, value] : environment) replaced |= variable.starts_with(name + "=");
    if (!replaced) variables.emplace_back(variable);
  }
  for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);

  std::vector<char*> args, envs;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (std::string& v : variables) envs.push_back(v.data());
  envs.push_back(nullptr);

  pid_t pid = 0;
  if (int rc = posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), envs.data()); rc != 0)
    throw Error(argv[0] + " を起動できません: " + std::strerror(rc));
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) throw Error(argv[0] + " の終わりを待てません: " + std::strerror(errno));
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace jw
