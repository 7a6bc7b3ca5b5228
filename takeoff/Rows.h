// Result rows: the entries aggregated by key, a count per fitting key and
// the total metres per pipe key, summed as numbers and written once. Rows are
// ordered field by field (classification, family or pipe name, name or pipe
// kind, size), each field as Shift-JIS bytes with ASCII letters compared
// without regard to case: Japanese names come in JIS order as the Windows
// lists showed them, and a size before the longer sizes it begins ("10"
// before "100").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "takeoff/Progress.h"

namespace takeoff {

struct ResultRow {
  std::string key;     // the entries' text before "|"
  std::string amount;  // count of fittings, or total metres ("%f")
  std::string Text() const { return key + ":$" + amount; }
};

// The parts of a row's key; a part the key lacks is empty. The first two
// end at the key's first two colons.
struct KeyFields {
  std::string_view classification, family, name, size;  // family: or pipe name; name: or pipe kind
};
KeyFields FittingKeyFields(std::string_view key);  // classification:family:name~size
KeyFields PipeKeyFields(std::string_view key);     // classification:pipe name:pipe kind:size

// The rows of the entries, in phases "情報書き込み中･････。" that run over
// the entries, then over the rows as they are put in order.
std::vector<ResultRow> FittingRows(const std::vector<std::string>& fittingEntries, Progress& progress);
std::vector<ResultRow> PipeRows(const std::vector<std::string>& pipeEntries, Progress& progress);

inline std::vector<ResultRow> FittingRows(const std::vector<std::string>& fittingEntries) {
  NoProgress none;
  return FittingRows(fittingEntries, none);
}
inline std::vector<ResultRow> PipeRows(const std::vector<std::string>& pipeEntries) {
  NoProgress none;
  return PipeRows(pipeEntries, none);
}

}  // namespace takeoff
