// How a long take-off step reports its phase and progress to the dialog.
#pragma once

#include <cstddef>
#include <string>

namespace takeoff {

class Progress {
 public:
  virtual ~Progress() = default;
  // A new phase with its status text and the number of steps it runs over.
  virtual void Phase(const std::string& status, size_t steps) = 0;
  // Steps done so far in the current phase.
  virtual void Step(size_t done) = 0;
};

// Progress nobody watches.
class NoProgress : public Progress {
 public:
  void Phase(const std::string&, size_t) override {}
  void Step(size_t) override {}
};

}  // namespace takeoff
