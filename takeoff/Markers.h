// The marker extract that the take-off batch leaves in
// \Tavrin\HaikanSet\Toridasi.txt, and the take-off markers in it: groups of
// concentric circles on line type 9 whose radius texts carry the values.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "takeoff/Progress.h"
#include "ui/Drive.h"

namespace takeoff {

// The take-off batch \jww\積算.bat: runs the extracting executable from Jw_cad.
std::vector<std::string> TakeoffBatchLines();

// A circle as the extract writes it; numbers stay the texts they were.
struct Circle {
  std::string_view x, y, radius;
};

// The circles of the lt9 stretches of an extract, in file order. The circles
// point into the extract's bytes, so an extract is neither copied nor moved.
class MarkerExtract {
 public:
  MarkerExtract(std::string bytes, Progress& progress);
  MarkerExtract(const MarkerExtract&) = delete;
  MarkerExtract& operator=(const MarkerExtract&) = delete;

  const std::vector<Circle>& circles() const { return circles_; }

 private:
  std::string bytes_;
  std::vector<Circle> circles_;
};

// The bytes of the extract on the drive; a missing file is a file error.
std::string ReadExtractBytes(const ui::Drive& drive);

enum class MarkerKind { Fitting, Pipe };

// One marker position: the value of its three code digits and the digits as
// read. A position no circle filled has value 0 and no digits.
struct Position {
  int value = 0;
  std::string code;
};
// Positions 1..8 of a marker (index 0 is unused).
using Marker = std::array<Position, 9>;

// The positions that a marker's radius texts fill. A radius fills position N
// when it reads "0.", N, three code digits and N again.
Marker DecodeMarker(const std::vector<std::string_view>& radii);

// The markers of one kind, in the order of their first circle. A centre
// counts once however many head circles it holds, and only when exactly the
// kind's number of circles (nine or ten) share its centre texts.
std::vector<Marker> FindMarkers(const MarkerExtract& extract, MarkerKind kind, Progress& progress);

}  // namespace takeoff
