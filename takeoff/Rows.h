// Result rows: the entries aggregated by key, a count per fitting key and
// the total metres per pipe key. Rows are ordered by their text as Shift-JIS
// bytes, ASCII letters without regard to case, so that Japanese names come
// in JIS order as the Windows lists showed them.
#pragma once

#include <string>
#include <vector>

namespace takeoff {

struct ResultRow {
  std::string key;     // the entries' text before "|"
  std::string amount;  // count of fittings, or total metres ("%f")
  std::string Text() const { return key + ":$" + amount; }
};

std::vector<ResultRow> FittingRows(const std::vector<std::string>& fittingEntries);
std::vector<ResultRow> PipeRows(const std::vector<std::string>& pipeEntries);

}  // namespace takeoff
