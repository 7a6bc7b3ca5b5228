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

// A figure holding a number that is not finite: never written. The writer
// refuses every such number, whichever command built the figure.
class InvalidFigure : public std::runtime_error {
 public:
  InvalidFigure();
};

// Collects drawing-data lines from figure-style records: an attribute line
// only where its value differs from the last one written (empty values are
// never written), and with `currentLayer` no lg/ly line at all. A record
// field that is not a finite number throws InvalidFigure.
class DrawDataWriter {
 public:
  explicit DrawDataWriter(bool currentLayer) : currentLayer_(currentLayer) {}
  void Attributes(const std::string& layerGroup, const std::string& layer, const std::string& lineType,
                  const std::string& colour);
  // The segment line from the record's fields 4..7.
  void Segment(const std::string& record);
  // The "ci" line from the record's fields 4..8.
  void Arc(const std::string& record);
  std::vector<std::string> lines;

 private:
  void Emit(const char* key, const std::string& value, std::string& last);

  bool currentLayer_;
  std::string layerGroup_, layer_, lineType_, colour_;
};

// A number as the drawing data writes it ("%e" with a three-digit
// exponent); throws InvalidFigure for one that is not finite.
std::string DrawDataNumber(double value);

// The lines for the figure; with `currentLayer` no lg/ly line at all.
// Throws InvalidFigure for a figure that is not finite.
std::vector<std::string> DrawDataLines(const Figure& figure, bool currentLayer);

// Writes DrawData.txt; throws InvalidFigure (leaving the old file) for a
// figure that is not finite.
void WriteDrawData(const ui::Drive& drive, const Figure& figure, bool currentLayer);

}  // namespace figure
