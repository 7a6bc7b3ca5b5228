// Plane geometry of the fittings: millimetres, y up, angles in degrees
// counter-clockwise from +x. The constants are the ones the drawings have
// always been computed with, so the drawing data keeps their rounding.
#pragma once

#include <optional>

namespace figure {

constexpr double kDegreesPerRadian = 57.29577951471995;    // 180 / 3.1415926535
constexpr double kRadiansPerDegree = 0.017453292519444445;  // 3.1415926535 / 180
constexpr double kPreviewRadiansPerDegree = 0.01745327777777778;  // 3.14159 / 180

struct Vec {
  double x = 0, y = 0;
};

struct Segment {
  double x1, y1, x2, y2;
};

// Direction of the vector from (x1, y1) to (x2, y2), in [0, 360).
double VectorAngle(double x1, double y1, double x2, double y2);

// (x, y) turned about the origin by the angle.
Vec RotatePoint(double x, double y, double angle);

// The crossing of two segments, when they are not (nearly) parallel and it
// lies strictly inside segment 1 and, in x or in y, strictly inside segment 2.
std::optional<Vec> IntersectSegments(const Segment& first, const Segment& second);

}  // namespace figure
