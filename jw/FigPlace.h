// FigPlace.exe: inserts the drawing data \Tavrin\set\DrawData.txt with its
// origin at the picked point.
#pragma once

#include <string>
#include <vector>

#include "jw/Geometry.h"

namespace jw {

// The drawing data moved to the point: the attribute lines exactly as
// written, every line and circle record shifted. Throws Error for a line that
// is neither.
std::vector<std::string> PlaceFigure(const std::vector<std::string>& drawData, Point at);

}  // namespace jw
