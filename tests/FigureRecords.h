// Reading a fitting's figure records back in tests.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "figure/Figure.h"
#include "ui/Text.h"

namespace test {

// The numbers of a record from field 4 on: a line's end points, or an arc's
// centre, radius, start and end angle.
inline std::vector<double> Coordinates(const std::string& record) {
  std::vector<double> numbers;
  const int fields = ui::GetListField(record, 1, ',') == "1" ? 4 : 5;
  for (int n = 4; n < 4 + fields; ++n) numbers.push_back(ui::ToReal(ui::GetListField(record, n, ',')));
  return numbers;
}

// The records (lines and arcs) in the attribute slot, in order.
inline std::vector<std::vector<double>> RecordsOfSlot(const figure::Figure& f, int slot) {
  std::vector<std::vector<double>> records;
  for (int i = 1; i < f.count(); ++i)
    if (f.recordSlots()[i] == slot) records.push_back(Coordinates(f.records()[i]));
  return records;
}

inline bool Near(const std::vector<double>& actual, const std::vector<double>& expected, double tolerance = 1e-6) {
  if (actual.size() != expected.size()) return false;
  for (size_t i = 0; i < actual.size(); ++i)
    if (!(std::fabs(actual[i] - expected[i]) <= tolerance)) return false;
  return true;
}

}  // namespace test
