// The drawing data of a catalogue placement: the placed part's records as
// Jw_cad external-transform lines, and the nine circles of its take-off
// marker.
#pragma once

#include <string>
#include <vector>

#include "piping/PartFile.h"

namespace piping {

// Attribute lines only where they change; with `currentLayer` no lg/ly.
// Both throw figure::InvalidFigure for a number that is not finite.
std::vector<std::string> PartDrawData(const PlacedPart& part, bool currentLayer);

// Lines 1..3 of SekisanSet.ini: markers on a fixed layer, and which.
struct MarkerLayer {
  bool fixed = false;
  std::string group, layer;
};

// The marker circles (radius texts in order) about `centre`, on line type 9
// in the colour of the family's solid part, on the fixed layer, the solid
// part's layer, or (with `currentLayer`) the current one.
std::vector<std::string> MarkerDrawData(const std::vector<std::string>& radii, figure::Vec centre,
                                        const settings::SlotAttributes& solid, const MarkerLayer& layer,
                                        bool currentLayer);

}  // namespace piping
