// Marker extracts as the take-off batch's executable writes them: circles of
// take-off markers on line type 9, among the other records of a drawing.
// Used by the benchmark and by the tests.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "piping/Marker.h"

namespace bench {

struct FittingMarker {
  int classification = 1, pipeKind = 0, family = 1, mainSize = 50, branchSize = 50, sheet = 1, cell = 2,
      distance = 0;  // 継手間距離 in units of 10 mm
};

struct PipeMarker {
  int classification = 1, pipeKind = 1, pipeName = 1, size = 50, angle = 0, kindList = 1,
      length = 100;  // units of 10 mm
};

inline std::vector<std::string> Radii(const FittingMarker& m) {
  return {"0.91119",
          piping::MarkerRadius(8, m.classification),
          piping::MarkerRadius(7, m.pipeKind),
          piping::MarkerRadius(6, m.family),
          piping::MarkerRadius(5, m.mainSize),
          piping::MarkerRadius(4, m.branchSize),
          piping::MarkerRadius(3, m.sheet),
          piping::MarkerRadius(2, m.cell),
          piping::MarkerRadius(1, m.distance)};
}

// Nine radii as the pipe-line template gives them, the length in position 1,
// and a tenth circle that carries nothing the tally reads.
inline std::vector<std::string> Radii(const PipeMarker& m) {
  return {"0.92229",
          piping::MarkerRadius(8, m.classification),
          piping::MarkerRadius(7, m.pipeKind),
          piping::MarkerRadius(6, m.pipeName),
          piping::MarkerRadius(5, m.size),
          piping::MarkerRadius(4, m.angle),
          piping::MarkerRadius(3, m.kindList),
          "0.20002",
          piping::MarkerRadius(1, m.length),
          "0.00000"};
}

// The extract lines of one marker: line type 9, then its circles.
inline void AddMarker(std::vector<std::string>& lines, const std::string& x, const std::string& y,
                      const std::vector<std::string>& radii) {
  lines.push_back("lt9");
  for (const std::string& r : radii) lines.push_back("ci " + x + " " + y + " " + r);
}

// Records of a drawing that are not markers: a line, a circle on another line
// type, a text.
inline void AddDrawing(std::vector<std::string>& lines, int k) {
  std::string v = std::to_string(k % 5000);
  lines.push_back("lt1");
  lines.push_back(" " + v + " 0 " + v + " 250");
  lines.push_back("ci " + v + " 12.5 0.91119");
  lines.push_back("ch " + v + " 0 2.5 0 \"配管図");
}

// A drawing with the given numbers of fitting and pipe markers at distinct
// centres, with random values and some other records between them.
inline std::vector<std::string> RandomExtract(size_t fittings, size_t pipes, unsigned seed) {
  std::mt19937 random(seed);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const int sizes[] = {15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150};
  std::vector<std::string> lines = {"hq", "lg0", "ly0"};
  lines.reserve((fittings * 10 + pipes * 11) * 21 / 20 + 8);
  for (size_t i = 0; i < fittings + pipes; ++i) {
    std::string x = std::to_string(i % 1000) + "." + std::to_string(pick(0, 999));
    std::string y = std::to_string(i / 1000) + ".25";
    if (i < fittings) {
      FittingMarker m{pick(0, 8), pick(0, 3), pick(1, 22), sizes[pick(0, 10)], sizes[pick(0, 10)], pick(1, 4),
                      pick(1, 20), pick(0, 60)};
      AddMarker(lines, x, y, Radii(m));
    } else {
      PipeMarker m{pick(0, 8), pick(0, 3), pick(1, 13), sizes[pick(0, 10)], pick(0, 2) * 30, pick(0, 6),
                   pick(1, 999)};
      AddMarker(lines, x, y, Radii(m));
    }
    if (i % 20 == 0) AddDrawing(lines, static_cast<int>(i));
  }
  return lines;
}

}  // namespace bench
