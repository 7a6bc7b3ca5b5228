// The marker extract that the take-off batch leaves in
// \Tavrin\HaikanSet\Toridasi.txt, and the take-off markers in it: groups of
// concentric circles on line type 9 whose radius texts carry the values.
#pragma once

#include <array>
#include <cstdint>
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

// The circles of the lt9 stretches of an extract, in file order. They point
// into the extract's bytes, so an extract is neither copied nor moved.
class MarkerExtract {
 public:
  MarkerExtract(std::string bytes, Progress& progress);
  MarkerExtract(const MarkerExtract&) = delete;
  MarkerExtract& operator=(const MarkerExtract&) = delete;

  size_t size() const { return circles_.size(); }
  Circle operator[](size_t i) const;

 private:
  // A circle kept small, as a drawing holds millions: where its x field
  // starts, and the lengths of the fields and of the blanks between them.
  struct Packed {
    uint64_t x;
    uint16_t xSize, yGap, ySize, radiusGap, radiusSize;
  };

  std::string bytes_;
  std::vector<Packed> circles_;
};

// The bytes of the extract on the drive; a missing file is a file error.
std::string ReadExtractBytes(const ui::Drive& drive);

// One marker position: the value of its three code digits and the digits as
// read. A position no circle filled has value 0 and no digits.
struct Position {
  int value = 0;
  std::array<char, 3> digits{};
  bool read = false;
  std::string code() const { return read ? std::string(digits.data(), 3) : std::string(); }
};
// Positions 1..8 of a marker (index 0 is unused).
using Marker = std::array<Position, 9>;

// The positions that a marker's radius texts fill. A radius fills position N
// when it reads "0.", N, three code digits and N again.
Marker DecodeMarker(const std::vector<std::string_view>& radii);

struct Markers {
  std::vector<Marker> fittings;  // nine circles headed by "0.91119"
  std::vector<Marker> pipes;     // ten circles headed by "0.92229"
};

// The markers of the extract, each kind in the order of its first head
// circle. A centre counts once however many head circles it holds, and only
// when exactly the kind's number of circles share its centre texts.
Markers FindMarkers(const MarkerExtract& extract, Progress& progress);

}  // namespace takeoff
