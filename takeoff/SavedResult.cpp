#include "takeoff/SavedResult.h"

namespace takeoff {

std::vector<std::string> SavedLines(const Tally& tally) {
  std::vector<std::string> lines;
  lines.reserve(tally.fittings.size() + tally.pipes.size());
  for (const std::string& entry : tally.fittings) lines.push_back("0:" + entry);
  for (const std::string& entry : tally.pipes)
    if (!IsDerived(entry)) lines.push_back("1:" + entry);
  return lines;
}

namespace {

// The entry of a saved line: what follows its first two characters ("0:"),
// whole characters, so that a damaged line never cuts one apart.
std::string EntryOf(const std::string& line) {
  size_t start = 2;
  while (start < line.size() && (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) ++start;
  return start < line.size() ? line.substr(start) : "";
}

}  // namespace

Tally LoadedTally(const std::vector<std::string>& lines) {
  Tally tally;
  for (const std::string& line : lines) {
    std::string entry = EntryOf(line);
    if (line.starts_with('0')) tally.fittings.push_back(std::move(entry));
    // A derived entry written by hand would count twice next to the rebuilt one.
    else if (line.starts_with('1') && !IsDerived(entry)) tally.pipes.push_back(std::move(entry));
  }
  AddDerivedPipes(tally, 0);
  return tally;
}

std::string TitleOf(const std::string& fileName) { return fileName.substr(0, fileName.find('.')); }

}  // namespace takeoff
