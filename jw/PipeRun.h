// PipeRun.exe: a pipe between the two picked points, drawn with the outer
// diameter and attributes of \Tavrin\HaikanSet\Haikan.ini and, when
// KanSekisan.ini asks for it, carrying a take-off marker.
#pragma once

#include <string>
#include <vector>

#include "jw/Geometry.h"

namespace jw {

// The exchange lines of the pipe whose centre line runs from `from` to `to`:
// its two outer lines, then the marker of ten concentric circles on line
// type 9 at the middle of the run. The marker's radii are KanSekisan.ini
// lines 6..13, then position 1 with the drawn length in units of 10 mm, then
// a ring of radius 1 that tells nothing. A run longer than 9.99 m, which one
// position-1 code cannot hold, carries one marker per piece of at most
// 9.99 m. Throws Error for settings it cannot draw.
std::vector<std::string> DrawPipe(const std::vector<std::string>& haikan, const std::vector<std::string>& kanSekisan,
                                  Point from, Point to);

}  // namespace jw
