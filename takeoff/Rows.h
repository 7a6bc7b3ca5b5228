// Result rows: the entries aggregated by key, a count per fitting key and
// the total metres per pipe key. Rows are ordered by their text as Shift-JIS
// bytes, ASCII letters without regard to case, so that Japanese names come
// in JIS order as the Windows lists showed them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace takeoff {

struct ResultRow {
  std::string key;     // the entries' text before "|"
  std::string amount;  // count of fittings, or total metres ("%f")
  std::string Text() const { return key + ":$" + amount; }
};

// The parts of a row's key; a part the key lacks is empty.
struct KeyFields {
  std::string_view classification, family, name, size;  // family: or pipe name; name: or pipe kind
};
KeyFields FittingKeyFields(std::string_view key);  // classification:family:name~size
KeyFields PipeKeyFields(std::string_view key);     // classification:pipe name:pipe kind:size

std::vector<ResultRow> FittingRows(const std::vector<std::string>& fittingEntries);
std::vector<ResultRow> PipeRows(const std::vector<std::string>& pipeEntries);

}  // namespace takeoff
