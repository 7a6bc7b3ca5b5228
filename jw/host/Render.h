// Pictures of a drawing: the records as polylines in pixels on white, y
// upwards, in approximations of Jw_cad's pen colours (lc) and line types
// (lt), written as SVG and as PNG.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "jw/Exchange.h"

namespace jw {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

struct Stroke {
  std::vector<Point> points;    // pixels, y downwards
  Rgb colour;
  std::vector<double> dashes;   // drawn and blank lengths in pixels; empty for a solid line
};

struct Picture {
  int width = 0, height = 0;
  std::vector<Stroke> strokes;
};

// The drawing fitted into about 1000 pixels. Circles smaller than four
// pixels (take-off markers) are drawn four pixels across, so they stay visible.
Picture DrawingPicture(const std::vector<Record>& records);

std::string SvgOf(const Picture& picture);
std::string PngOf(const Picture& picture);

void RenderDrawing(const std::vector<Record>& records, const std::filesystem::path& svg,
                   const std::filesystem::path& png);

}  // namespace jw
