#include "jw/Geometry.h"

#include <cmath>
#include <numbers>

namespace jw {

double Length(Point v) { return std::hypot(v.x, v.y); }

Run MakeRun(Point from, Point to) {
  Run run;
  run.from = from;
  run.to = to;
  run.length = Length(to - from);
  if (run.length > 0) run.along = (to - from) * (1 / run.length);
  run.right = {run.along.y, -run.along.x};
  return run;
}

Point SnapTo45(Point from, Point to) {
  // The eight directions exactly, so that a horizontal run stays exactly horizontal.
  constexpr double h = 0.70710678118654752440;
  static const Point directions[8] = {{1, 0}, {h, h}, {0, 1}, {-h, h}, {-1, 0}, {-h, -h}, {0, -1}, {h, -h}};
  Point v = to - from;
  if (v.x == 0 && v.y == 0) return to;
  double steps = std::round(std::atan2(v.y, v.x) / (std::numbers::pi / 4));
  Point d = directions[(static_cast<int>(steps) % 8 + 8) % 8];
  return from + d * (v.x * d.x + v.y * d.y);
}

}  // namespace jw
