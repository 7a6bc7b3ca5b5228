// The 32 × 32 icons of the three section symbols, shown on push buttons:
// 1 a square with both diagonals, 2 with the diagonal from lower left to
// upper right, 3 that diagonal and the half diagonal from the centre to the
// lower-right corner.
#pragma once

#include "ui/Canvas.h"

namespace duct {

ui::Picture SectionSymbolIcon(int symbol);

}  // namespace duct
