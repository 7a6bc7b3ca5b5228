#include "piping/PartFile.h"

#include <cmath>

#include "ui/Text.h"

namespace piping {
namespace {

using ui::FormatFixed;
using ui::GetListField;
using ui::ToReal;

double Field(const std::string& line, int n) { return ToReal(GetListField(line, n, ',')); }

double IntoCircle(double angle) {
  if (angle < 0) return angle + 360;
  if (angle > 360) return angle - 360;
  return angle;
}

const settings::SlotAttributes* AttributesOf(const PartAttributes& attributes, int lineKind) {
  switch (lineKind) {
    case 1: return &attributes.solid;
    case 2: return &attributes.hidden;
    case 5: return &attributes.centre;
    default: return nullptr;
  }
}

std::string Record(int type, const settings::SlotAttributes& a, std::initializer_list<double> numbers) {
  std::string text = std::to_string(type) + "," + a.lineType + "," + a.colour + ",";
  for (double v : numbers) text += FormatFixed(v) + ",";
  return text + a.layerGroup + "," + a.layer + ",";
}

}  // namespace

PartFile ParsePartFile(const std::vector<std::string>& lines) {
  PartFile part;
  if (lines.empty()) return part;
  const std::string& header = lines[0];
  part.scale = Field(header, 2);
  part.right = std::fabs(Field(header, 3));
  part.bottom = std::fabs(Field(header, 4));
  part.left = std::fabs(Field(header, 5));
  part.top = std::fabs(Field(header, 6));
  part.records.assign(lines.begin() + 1, lines.end());
  return part;
}

PartAttributes ParsePartAttributes(const std::string& line) {
  return {settings::ParseSlotLine(GetListField(line, 1, ',')), settings::ParseSlotLine(GetListField(line, 2, ',')),
          settings::ParseSlotLine(GetListField(line, 3, ','))};
}

figure::Vec ReferenceOffset(const PartFile& part, int point) {
  const double xs[3] = {-part.left, 0, part.right};
  const double ys[3] = {part.top, 0, -part.bottom};
  if (point < 0 || point > 8) point = kCentrePoint;
  return {xs[point % 3], ys[point / 3]};
}

PlacedPart PlacePart(const PartFile& part, const PartAttributes& attributes, const Pose& pose) {
  const double s = part.scale;
  const figure::Vec d = ReferenceOffset(part, pose.referencePoint);
  auto turn = [&](double x, double y) {
    if (pose.mirror) x = -x;
    return pose.angle != 0 ? figure::RotatePoint(x, y, pose.angle) : figure::Vec{x, y};
  };
  PlacedPart placed;
  bool haveCentre = false;
  for (const std::string& line : part.records) {
    int type = ui::ToInt(GetListField(line, 1, ','));
    int lineKind = ui::ToInt(GetListField(line, 2, ','));
    const settings::SlotAttributes* a = AttributesOf(attributes, lineKind);
    if (!a || (type != 1 && type != 2)) continue;
    std::string text;
    figure::Vec first;
    if (type == 1) {
      figure::Vec p1 = turn(s * Field(line, 4) - s * d.x, -s * Field(line, 5) / 2 - s * d.y);
      figure::Vec p2 = turn(s * Field(line, 6) / 3 - s * d.x, -s * Field(line, 7) / 4 - s * d.y);
      text = Record(1, *a, {p1.x, p1.y, p2.x, p2.y});
      first = p1;
    } else {
      double a1 = Field(line, 7), a2 = Field(line, 8);
      if (pose.mirror) {
        double mirrored1 = IntoCircle(180 - a2), mirrored2 = IntoCircle(180 - a1);
        a1 = mirrored1;
        a2 = mirrored2;
      }
      a1 += pose.angle;
      a2 += pose.angle;
      if (a1 == a2) {
        a1 = 0;
        a2 = 360;
      }
      figure::Vec c = turn(s * Field(line, 4) - s * d.x, -s * Field(line, 5) - s * d.y);
      double r = s * Field(line, 6);
      text = Record(2, *a, {c.x, c.y, r, a1, a2});
      first = {c.x + r * std::cos(a1 * figure::kRadiansPerDegree), c.y + r * std::sin(a1 * figure::kRadiansPerDegree)};
    }
    if (lineKind == 1 && !haveCentre) {
      placed.markerCentre = first;
      haveCentre = true;
    }
    placed.records.push_back({lineKind, text});
  }
  return placed;
}

}  // namespace piping
