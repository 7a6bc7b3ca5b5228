// DuctRun.exe: a straight square duct between the two picked points, as
// \Tavrin\set\Choku.ini (size, flanges, style, options) and ChokuSet.ini (the
// attributes of the duct lines, the flange joint lines and the angle lines)
// describe it.
#pragma once

#include <string>
#include <vector>

#include "jw/Geometry.h"

namespace jw {

// The exchange lines of the duct from `base` to `end`. The duct style says
// where the picked points lie: 1 on the side to the left of the run, the
// duct lying to its right (points given clockwise); 2 on the centre line;
// 3 on the right side, the duct lying to its left. Throws Error for settings
// it cannot draw.
std::vector<std::string> DrawDuct(const std::vector<std::string>& choku, const std::vector<std::string>& chokuSet,
                                  Point base, Point end);

}  // namespace jw
