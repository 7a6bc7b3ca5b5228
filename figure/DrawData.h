// The drawing data: a figure as Jw_cad external-transform text in
// \Tavrin\set\DrawData.txt, which the placing program inserts at the point
// the user picks. Attribute lines (lg, ly, lt, lc) are written only where
// they change.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "figure/Figure.h"
#include "ui/Drive.h"

namespace figure {

// A figure holding a number that is not finite: never written.
class InvalidFigure : public std::runtime_error {
 public:
  InvalidFigure();
};

// The lines for the figure; with `currentLayer` no lg/ly line at all.
std::vector<std::string> DrawDataLines(const Figure& figure, bool currentLayer);

// Writes DrawData.txt; throws InvalidFigure (leaving the old file) for a
// figure that is not finite.
void WriteDrawData(const ui::Drive& drive, const Figure& figure, bool currentLayer);

}  // namespace figure
