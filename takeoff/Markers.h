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
#include "ui/Text.h"

namespace takeoff {

// The take-off batch \jww\積算.bat: runs the extracting executable from Jw_cad.
std::vector<std::string> TakeoffBatchLines();

// The bytes of the extract on the drive, read in the phase that decoding
// them continues; a missing file is a file error.
std::string ReadExtractBytes(const ui::Drive& drive, Progress& progress);
inline std::string ReadExtractBytes(const ui::Drive& drive) {
  NoProgress none;
  return ReadExtractBytes(drive, none);
}

// The value of code digits as ui::ToInt reads them; at once for three
// plain digits, as codes mostly are.
inline int CodeValue(std::string_view digits) {
  if (digits.size() == 3) {
    const unsigned a = digits[0] - '0', b = digits[1] - '0', c = digits[2] - '0';
    if (a < 10 && b < 10 && c < 10) return static_cast<int>(a * 100 + b * 10 + c);
  }
  return ui::ToInt(digits);
}

// One marker position: the value of its three code digits and the digits as
// read. A position no circle filled has value 0 and no digits.
struct Position {
  int value = 0;
  std::array<char, 3> digits{};
  bool read = false;
  std::string_view code() const { return read ? std::string_view(digits.data(), 3) : std::string_view(); }
};
// Positions 1..8 of a marker (index 0 is unused).
using Marker = std::array<Position, 9>;

struct Markers {
  std::vector<Marker> fittings;  // nine circles headed by "0.91119"
  std::vector<Marker> pipes;     // ten circles headed by "0.92229"
};

inline bool IsCodeDigit(char c) { return c >= '0' && c <= '9'; }

// The code digits of positions 1..8 as a marker's circles gave them.
struct MarkerCodes {
  std::array<std::array<char, 3>, 8> digits;  // of position n at n - 1
  uint8_t read = 0;                           // bit n - 1: position n was given

  // Fills the position a radius names when it reads "0.", the position
  // digit N (1..8), three code digits and N again; a later radius of the
  // same position replaces an earlier one.
  void Add(std::string_view radius) {
    if (radius.size() < 7 || radius[0] != '0' || radius[1] != '.' || radius[2] != radius[6] || radius[2] < '1' ||
        radius[2] > '8' || !IsCodeDigit(radius[3]) || !IsCodeDigit(radius[4]) || !IsCodeDigit(radius[5]))
      return;
    const int n = radius[2] - '1';
    digits[n] = {radius[3], radius[4], radius[5]};
    read |= 1u << n;
  }

  // The positions that later circles gave replace these.
  void Take(const MarkerCodes& later) {
    for (int n = 0; n < 8; ++n)
      if (later.read & (1u << n)) digits[n] = later.digits[n];
    read |= later.read;
  }

  Marker Decoded() const {
    Marker marker;
    for (int n = 0; n < 8; ++n)
      if (read & (1u << n)) marker[n + 1] = Position{CodeValue({digits[n].data(), 3}), digits[n], true};
    return marker;
  }
};

// The markers as FindMarkers finds them, their codes not yet decoded: in a
// third of the room, for the tally, which decodes each when it comes to it.
struct FoundMarkers {
  std::vector<MarkerCodes> fittings, pipes;
};
FoundMarkers FindMarkerCodes(std::string_view extract, Progress& progress);

// The markers of an extract, from its bytes as the file holds them. The
// circles that count are the "ci" records (x, y and radius texts, separated
// by blanks) within the stretches that an "lt9" record opens and any other
// "lt" record closes. A marker is the circles that share one centre, x and y
// compared as texts; each kind comes in the order of its first head circle,
// a centre counts once however many head circles it holds, and only when
// exactly the kind's number of circles share it. Where two circles of a
// marker name one position, the later one in the file fills it.
Markers FindMarkers(std::string_view extract, Progress& progress);

}  // namespace takeoff
