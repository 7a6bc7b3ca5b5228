#include "jw/host/Render.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/HostFiles.h"
#include "ui/Text.h"

namespace jw {
namespace {

constexpr double kSize = 1000, kMargin = 20, kSmallestCircle = 4;  // pixels across

Rgb PenColour(const std::string& lc) {
  static const Rgb colours[] = {{0, 0, 0},     {0, 160, 200}, {0, 0, 0},     {0, 150, 0},    {190, 160, 0},
                                {200, 0, 200}, {0, 0, 255},   {0, 110, 110}, {230, 0, 0},    {150, 150, 150}};
  int n = ui::ToInt(lc);
  return n >= 1 && n <= 9 ? colours[n] : colours[0];
}

std::vector<double> Dashes(const std::string& lt) {
  switch (ui::ToInt(lt)) {
    case 2: return {6, 3};
    case 3: return {2, 2};
    case 4: return {10, 4};
    case 5: return {14, 3, 2, 3};
    case 6: return {24, 3, 2, 3};
    case 7: return {14, 3, 2, 3, 2, 3};
    case 8: return {24, 3, 2, 3, 2, 3};
    case 9: return {1, 2};
    default: return {};
  }
}

struct Bounds {
  double left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
  void Add(Point p) {
    left = std::min(left, p.x), right = std::max(right, p.x);
    bottom = std::min(bottom, p.y), top = std::max(top, p.y);
  }
};

// Points of a circle or (elliptic) arc, counter-clockwise from start to end.
std::vector<Point> Curve(const Shape& s, double scale) {
  double start = 0, sweep = 360;
  if (s.kind == Shape::Kind::Arc) {
    start = s.start;
    sweep = std::fmod(s.end - s.start, 360.0);
    if (sweep <= 0) sweep += 360;
  }
  const double r = std::max(s.radius, kSmallestCircle / 2 / scale);
  const int steps = std::clamp(static_cast<int>(r * scale * sweep / 180), 12, 720);
  const double tilt = s.tilt * std::numbers::pi / 180;
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    double a = (start + sweep * i / steps) * std::numbers::pi / 180;
    double x = r * std::cos(a), y = r * s.flatness * std::sin(a);
    points.push_back({s.a.x + x * std::cos(tilt) - y * std::sin(tilt), s.a.y + x * std::sin(tilt) + y * std::cos(tilt)});
  }
  return points;
}

std::string Hex(Rgb c) {
  char text[8];
  const char* digits = "0123456789abcdef";
  text[0] = '#';
  std::uint8_t v[3] = {c.r, c.g, c.b};
  for (int i = 0; i < 3; ++i) text[1 + 2 * i] = digits[v[i] >> 4], text[2 + 2 * i] = digits[v[i] & 15];
  return std::string(text, 7);
}

}  // namespace

Picture DrawingPicture(const std::vector<Record>& records) {
  Bounds b;
  for (const Record& record : records) {
    const Shape& s = record.shape;
    for (Point p : s.kind == Shape::Kind::Line ? std::vector<Point>{s.a, s.b} : Curve(s, 1)) b.Add(p);
  }
  if (records.empty()) b = {0, 0, 1, 1};
  const double span = std::max(b.right - b.left, b.top - b.bottom);
  const double scale = span > 0 ? kSize / span : 1;
  Picture picture;
  picture.width = static_cast<int>(std::ceil((b.right - b.left) * scale + 2 * kMargin));
  picture.height = static_cast<int>(std::ceil((b.top - b.bottom) * scale + 2 * kMargin));
  auto pixel = [&](Point p) { return Point{kMargin + (p.x - b.left) * scale, kMargin + (b.top - p.y) * scale}; };
  for (const Record& record : records) {
    Stroke stroke{{}, PenColour(record.attributes.colour), Dashes(record.attributes.type)};
    const Shape& s = record.shape;
    std::vector<Point> points = s.kind == Shape::Kind::Line ? std::vector<Point>{s.a, s.b} : Curve(s, scale);
    for (Point p : points) stroke.points.push_back(pixel(p));
    picture.strokes.push_back(std::move(stroke));
  }
  return picture;
}

std::string SvgOf(const Picture& picture) {
  auto n = [](double v) { return FormatNumber(std::round(v * 100) / 100); };
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(picture.width) +
                    "\" height=\"" + std::to_string(picture.height) + "\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  for (const Stroke& stroke : picture.strokes) {
    svg += "<polyline fill=\"none\" stroke-width=\"1\" stroke=\"" + Hex(stroke.colour) + "\"";
    if (!stroke.dashes.empty()) {
      svg += " stroke-dasharray=\"";
      for (size_t i = 0; i < stroke.dashes.size(); ++i) svg += (i ? "," : "") + n(stroke.dashes[i]);
      svg += "\"";
    }
    svg += " points=\"";
    for (size_t i = 0; i < stroke.points.size(); ++i)
      svg += (i ? " " : "") + n(stroke.points[i].x) + "," + n(stroke.points[i].y);
    svg += "\"/>\n";
  }
  return svg + "</svg>\n";
}

void RenderDrawing(const std::vector<Record>& records, const std::filesystem::path& svg,
                   const std::filesystem::path& png) {
  Picture picture = DrawingPicture(records);
  ui::WriteFileAtomically(svg, SvgOf(picture));
  ui::WriteFileAtomically(png, PngOf(picture));
}

}  // namespace jw
