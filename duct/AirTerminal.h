// What the three air-terminal commands share: the neck-size list, the
// per-size defaults of AnemoSyoki.ini and the neck and anemostat outline.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "figure/Figure.h"
#include "ui/Drive.h"

namespace duct {

// The neck sizes of the size combo box.
const std::vector<std::string>& NeckSizes();

// The line of AnemoSyoki.ini for a neck size text (a later line wins).
struct NeckDefaults {
  std::string neck;        // field 2
  std::string chamber;     // field 3
  std::string roundSize;   // field 4
  std::string squareSize;  // field 5
};
std::optional<NeckDefaults> LookUpNeckSize(const ui::Drive& drive, const std::string& size);

// The neck circle (dotted, hidden-line slot) and the anemostat of size d,
// round or square (dotted, equipment slot), centred on the placement point.
void AddNeckAndAnemostat(figure::Figure& figure, double neck, double d, bool square);

}  // namespace duct
