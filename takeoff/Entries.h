// Tally entries: one text line per counted fitting line or measured pipe.
//
//   fitting  classification:family:name~size|pipe kind:distance:
//   second   classification:family:second name~size|@:@
//   pipe     classification:pipe name:pipe kind:size|length:angle:
//   derived  classification:family:pipe kind:size|distance:000:*
//
// The text before "|" is the key the rows are aggregated by. A derived pipe
// entry is the straight portion of a combined fitting; it is never saved and
// always rebuilt from its fitting entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "takeoff/Markers.h"
#include "takeoff/NameLists.h"

namespace takeoff {

struct Tally {
  std::vector<std::string> fittings;
  std::vector<std::string> pipes;  // derived entries included
  bool empty() const { return fittings.empty() && pipes.empty(); }
};

// The straight portion of a fitting entry that carries a pipe kind.
std::optional<std::string> DerivedPipeEntry(std::string_view fittingEntry);
bool IsDerived(std::string_view pipeEntry);
// Adds the derived pipe entries of the fitting entries from `first` on.
void AddDerivedPipes(Tally& tally, size_t first);

// "集計開始" on the bytes of an extract: replaces the entries, or adds to
// them when merging. The entries are left as they were when it fails. The
// bytes are let go once the markers are read, before the entries are formed.
void TallyExtract(std::string extract, const NameLists& lists, bool merge, Tally& tally, Progress& progress);

}  // namespace takeoff
