// Reading a built figure in tests: its records as short texts to compare,
// "style,slot,x1,y1,x2,y2" for each line after the frame record with the
// coordinates cut to whole numbers, and the gaps in its outline.
#pragma once

#include <string>
#include <vector>

#include "tests/FigureOutline.h"

namespace test {

inline std::vector<std::string> RecordLines(const figure::Figure& figure) {
  std::vector<std::string> lines;
  for (const Record& r : Records(figure)) {
    std::string line = std::to_string(r.style) + "," + std::to_string(r.slot);
    for (double v : r.v) line += "," + ui::FormatWhole(v);
    lines.push_back(line);
  }
  return lines;
}

// The ends of the duct outline and its flanges that meet nothing: in a
// fitting whose open ends carry end flanges, only those flanges' tips.
inline std::vector<figure::Vec> GapsBesideEndFlanges(const figure::Figure& figure) {
  std::vector<figure::Vec> tips, gaps;
  for (const Record& r : Records(figure))
    if (r.slot == figure::kFlangeLine) tips.insert(tips.end(), {{r.v[0], r.v[1]}, {r.v[2], r.v[3]}});
  for (figure::Vec end :
       OpenEnds(figure, {figure::kDuct, figure::kFlangeLine}, {figure::kAngleLine, figure::kHiddenLine})) {
    auto at = [&](figure::Vec tip) { return tip.x == end.x && tip.y == end.y; };
    if (std::none_of(tips.begin(), tips.end(), at)) gaps.push_back(end);
  }
  return gaps;
}

}  // namespace test
