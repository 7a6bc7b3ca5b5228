// Starting another program and waiting for it (the host's side only).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace jw {

// Runs argv (argv[0] looked up in PATH when it holds no slash) with the
// environment of this process plus `environment`, and gives its exit code
// (128 + the signal when it was killed). Throws Error when it cannot start.
int RunProcess(const std::vector<std::string>& argv,
               const std::vector<std::pair<std::string, std::string>>& environment);

}  // namespace jw
