// Saved take-off results, files "*.sdt" in \Tavrin\SekisanData: one entry a
// line, "0:" and a fitting entry, then "1:" and a pipe entry.
#pragma once

#include <string>
#include <vector>

#include "takeoff/Entries.h"

namespace takeoff {

// The lines of a saved result. Derived pipe entries are left out: loading
// rebuilds them from the fitting entries.
std::vector<std::string> SavedLines(const Tally& tally);

// The entries of a saved result, with the derived pipe entries rebuilt;
// lines that are neither fitting nor pipe lines are ignored.
Tally LoadedTally(const std::vector<std::string>& lines);

// The title a saved file gives: its name up to the first ".".
std::string TitleOf(const std::string& fileName);

}  // namespace takeoff
