// The records of one attribute slot of a built figure, and comparing them.
#pragma once

#include <cmath>
#include <vector>

#include "tests/FigureOutline.h"

namespace test {

// The coordinates of the records in the attribute slot, in order.
inline std::vector<std::vector<double>> RecordsOfSlot(const figure::Figure& figure, int slot) {
  std::vector<std::vector<double>> records;
  for (const Record& r : Records(figure))
    if (r.slot == slot) records.push_back(r.v);
  return records;
}

inline bool Near(const std::vector<double>& actual, const std::vector<double>& expected, double tolerance = 1e-6) {
  if (actual.size() != expected.size()) return false;
  for (size_t i = 0; i < actual.size(); ++i)
    if (!(std::fabs(actual[i] - expected[i]) <= tolerance)) return false;
  return true;
}

}  // namespace test
