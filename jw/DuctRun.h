// DuctRun.exe: a straight square duct between the two picked points, as
// \Tavrin\set\Choku.ini (size, flanges, style, options) and ChokuSet.ini (the
// attributes of the duct lines, the flange joint lines and the angle lines)
// describe it.
#pragma once

#include <string>
#include <vector>

#include "jw/Geometry.h"

namespace jw {

// The exchange lines of the duct from `base` to `end`. The points are given
// clockwise round the duct, so the duct lies to the right of the run from
// base to end; the duct style says where they lie: 1 on a side (in the
// dialog's picture the upper side, picked left to right), 2 on the centre
// line, 3 on a side (the lower side, picked right to left). The joints are
// counted, and the two ends named left and right, as in the picture: from
// the base point, in style 3 from the end point. Throws Error for settings
// it cannot draw.
std::vector<std::string> DrawDuct(const std::vector<std::string>& choku, const std::vector<std::string>& chokuSet,
                                  Point base, Point end);

}  // namespace jw
