// Plane points and the few constructions the placing programs need.
#pragma once

namespace jw {

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double Length(Point v);

// A run from `from` to `to`: its length, its unit direction and the unit
// normal to its right (the clockwise side).
struct Run {
  Point from, to;
  double length = 0;
  Point along, right;
  Point At(double s, double t) const { return from + along * s + right * t; }
};
Run MakeRun(Point from, Point to);

// The end point moved onto the nearest 45° direction from the start: the
// foot of the perpendicular from the picked end to that direction.
Point SnapTo45(Point from, Point to);

}  // namespace jw
