// TakeoffRead.exe: writes the circles of the drawing that Jw_cad hands over,
// each after the line type it is drawn in, to the marker extract
// \Tavrin\HaikanSet\Toridasi.txt that the take-off tally reads.
#pragma once

#include <string>
#include <vector>

#include "jw/Exchange.h"

namespace jw {

// "lt" + line type wherever the line type changes, and a "ci" line for every
// circle and arc, in drawing order. Numbers are written without trailing
// zeros, so a marker radius reads exactly as it was placed ("0.91119").
std::vector<std::string> MarkerExtract(const std::vector<Item>& drawing);

}  // namespace jw
