#include "figure/Geometry.h"

#include <cmath>

namespace figure {
namespace {

bool StrictlyBetween(double v, double a, double b) { return (a < v && v < b) || (b < v && v < a); }

double NonZero(double d) { return d == 0 ? 0.000001 : d; }

}  // namespace

double VectorAngle(double x1, double y1, double x2, double y2) {
  double dx = x2 - x1, dy = y2 - y1;
  if (dx == 0) return dy > 0 ? 90 : dy < 0 ? 270 : 0;
  if (dy == 0) return dx > 0 ? 0 : 180;
  double t = std::atan(std::fabs(dy) / std::fabs(dx)) * kDegreesPerRadian;
  if (dx > 0) return dy > 0 ? t : 360 - t;
  return dy > 0 ? 180 - t : 180 + t;
}

Vec RotatePoint(double x, double y, double angle) {
  if (x == 0 && y == 0) return {0, 0};
  double r = std::sqrt(x * x + y * y);
  double a = VectorAngle(0, 0, x, y) + angle;
  if (a > 360) a -= 360;
  return {r * std::cos(a * kRadiansPerDegree), r * std::sin(a * kRadiansPerDegree)};
}

std::optional<Vec> IntersectSegments(const Segment& s1, const Segment& s2) {
  double d = VectorAngle(s1.x1, s1.y1, s1.x2, s1.y2) - VectorAngle(s2.x1, s2.y1, s2.x2, s2.y2);
  if (std::fabs(d) < 1 || (179 < d && d < 181) || (-181 < d && d < -179)) return std::nullopt;
  double m1 = NonZero(s1.y2 - s1.y1) / NonZero(s1.x2 - s1.x1);
  double m2 = NonZero(s2.y2 - s2.y1) / NonZero(s2.x2 - s2.x1);
  double c1 = s1.y1 - m1 * s1.x1;
  double c2 = s2.y1 - m2 * s2.x1;
  double denominator = m1 - m2;
  double y = (m1 * c2 - m2 * c1) / (denominator == 0 ? 1 : denominator);
  double x = (y - c1) / (m1 == 0 ? 1 : m1);
  bool onFirst = StrictlyBetween(x, s1.x1, s1.x2) && StrictlyBetween(y, s1.y1, s1.y2);
  bool onSecond = StrictlyBetween(x, s2.x1, s2.x2) || StrictlyBetween(y, s2.y1, s2.y2);
  if (onFirst && onSecond) return Vec{x, y};
  return std::nullopt;
}

}  // namespace figure
