#include "figure/Figure.h"

#include <algorithm>
#include <cmath>

#include "ui/Text.h"

namespace figure {

using ui::FormatFixed;

Vec Placement::Place(double x, double y) const {
  Vec p{x - offsetX, y + offsetY};
  if (mirror) p.x = -p.x;
  return angle != 0 ? RotatePoint(p.x, p.y, angle) : p;
}

void Figure::Clear() {
  records_.clear();
  recordSlots_.clear();
  finite_ = true;
  drawsSomething_ = false;
}

void Figure::SetFrame(double e1, double e2, double e3, double e4) {
  Note({e1, e2, e3, e4});
  std::string frame = "50," + FormatFixed(e1) + "," + FormatFixed(e2) + "," + FormatFixed(e3) + "," +
                      FormatFixed(e4) + ",";
  if (records_.empty()) {
    records_.push_back(frame);
    recordSlots_.push_back(0);
  } else {
    records_[0] = frame;
  }
}

void Figure::EnsureFrame() {
  if (records_.empty()) SetFrame(0, 0, 0, 0);
}

void Figure::Note(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) finite_ = false;
}

std::string Figure::Layers(int slot) const {
  if (slot < 1 || slot > settings::kSlots) return ",,";
  return slots_[slot].layerGroup + "," + slots_[slot].layer + ",";
}

void Figure::AddLineRecord(int style, int slot, double x1, double y1, double x2, double y2) {
  EnsureFrame();
  Vec a = placement.Place(x1, y1 + placement.lineOffsetY);
  Vec b = placement.Place(x2, y2 + placement.lineOffsetY);
  Note({a.x, a.y, b.x, b.y});
  if (a.x != b.x || a.y != b.y) drawsSomething_ = true;
  records_.push_back("1," + std::to_string(style) + "," + std::to_string(slot) + "," + FormatFixed(a.x) + "," +
                     FormatFixed(a.y) + "," + FormatFixed(b.x) + "," + FormatFixed(b.y) + "," + Layers(slot));
  recordSlots_.push_back(slot);
}

void Figure::AddArcRecord(int style, int slot, double cx, double cy, double radius, double start, double end) {
  EnsureFrame();
  Vec c = placement.Place(cx, cy);
  if (placement.mirror) {
    double mirroredStart = 180 - end, mirroredEnd = 180 - start;
    if (mirroredStart > 360) mirroredStart -= 360;
    if (mirroredEnd > 360) mirroredEnd -= 360;
    start = mirroredStart;
    end = mirroredEnd;
  }
  if (placement.angle != 0) {
    start += placement.angle;
    end += placement.angle;
  }
  Note({c.x, c.y, radius, start, end});
  if (radius != 0) drawsSomething_ = true;
  records_.push_back("2," + std::to_string(style) + "," + std::to_string(slot) + "," + FormatFixed(c.x) + "," +
                     FormatFixed(c.y) + "," + FormatFixed(radius) + "," + FormatFixed(start) + "," +
                     FormatFixed(end) + "," + Layers(slot));
  recordSlots_.push_back(slot);
}

Extents FrameExtents(const Figure& figure) {
  if (figure.records().empty()) return {};
  const std::string& frame = figure.records()[0];
  return {ui::ToReal(ui::GetListField(frame, 2, ',')), ui::ToReal(ui::GetListField(frame, 3, ',')),
          ui::ToReal(ui::GetListField(frame, 4, ',')), ui::ToReal(ui::GetListField(frame, 5, ','))};
}

namespace {

bool DiffersInBoth(const Vec& a, const Vec& b) { return a.x != b.x && a.y != b.y; }

// Which crossings of one hatch line are joined: up to four by the pattern's
// own rule; more (a polygon with re-entrant corners) in order along the
// line, each entry into the polygon joined to the next exit.
std::vector<std::pair<Vec, Vec>> PairCrossings(std::vector<Vec> p, const Segment& line) {
  std::vector<std::pair<Vec, Vec>> pairs;
  switch (p.size()) {
    case 0:
    case 1:
      break;
    case 2:
      if (DiffersInBoth(p[0], p[1])) pairs.push_back({p[0], p[1]});
      break;
    case 3:
      pairs.push_back(p[0].x != p[1].x ? std::pair{p[0], p[1]} : std::pair{p[0], p[2]});
      break;
    case 4:
      if (DiffersInBoth(p[0], p[3])) pairs.push_back({p[0], p[3]});
      if (DiffersInBoth(p[1], p[2])) pairs.push_back({p[1], p[2]});
      break;
    default:
      auto along = [&](const Vec& v) { return (v.x - line.x1) * (line.x2 - line.x1) + (v.y - line.y1) * (line.y2 - line.y1); };
      std::sort(p.begin(), p.end(), [&](const Vec& a, const Vec& b) { return along(a) < along(b); });
      for (size_t i = 0; i + 1 < p.size(); i += 2)
        if (DiffersInBoth(p[i], p[i + 1])) pairs.push_back({p[i], p[i + 1]});
  }
  return pairs;
}

}  // namespace

void HatchPolygon(Figure& figure, const std::vector<Segment>& edges, double hatchWidth, int lines) {
  const double step = 1.4142 * hatchWidth;
  const Placement& placement = figure.placement;
  for (int i = 0; i < lines; ++i) {
    Vec a{-5001, 2001 - i * step};
    Vec b{5001, 12001 - i * step};
    if (placement.angle != 0) {
      a = RotatePoint(a.x, a.y, -placement.angle);
      b = RotatePoint(b.x, b.y, -placement.angle);
    }
    if (placement.mirror) a.x = -a.x, b.x = -b.x;
    Segment line{a.x, a.y, b.x, b.y};
    std::vector<Vec> crossings;
    for (const Segment& edge : edges)
      if (auto at = IntersectSegments(line, edge)) crossings.push_back(*at);
    for (const auto& [from, to] : PairCrossings(crossings, line))
      figure.AddLineRecord(kSolid, kHatching, from.x, from.y, to.x, to.y);
  }
}

}  // namespace figure
