#include "duct/ElbowFrame.h"

namespace duct {

using figure::kAngleLine;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kSolid;

void AddFlangedEnds(figure::Figure& f, const RightElbowLegs& legs, const settings::CommonLengths& common) {
  const double up = legs.upstreamWidth / 2, down = legs.downstreamWidth / 2;
  const double x = legs.downstreamEnd, y = -legs.upstreamEnd, a = common.angleWidth, fl = common.flange;
  f.AddLineRecord(kSolid, kFlangeLine, x, down + fl, x, -(down + fl));
  f.AddLineRecord(kSolid, kFlangeLine, -(up + fl), y, up + fl, y);
  if (a == 0) return;
  f.AddLineRecord(kSolid, kAngleLine, x - a, down, x - a, -down);
  f.AddLineRecord(kSolid, kAngleLine, -up, y + a, up, y + a);
}

void AddStraightSides(figure::Figure& f, const RightElbowLegs& legs, double outerBend, double innerBend,
                      double upstreamBend) {
  const double up = legs.upstreamWidth / 2, down = legs.downstreamWidth / 2;
  const double x = legs.downstreamEnd, y = -legs.upstreamEnd;
  f.AddLineRecord(kSolid, kDuct, x, down, outerBend, down);
  f.AddLineRecord(kSolid, kDuct, x, -down, innerBend, -down);
  f.AddLineRecord(kSolid, kDuct, up, y, up, -upstreamBend);
  f.AddLineRecord(kSolid, kDuct, -up, y, -up, -upstreamBend);
}

ElbowPoint CheckedElbowPoint(const ui::Form& form, int outerButton, int innerButton) {
  if (form.Checked(outerButton)) return ElbowPoint::kOuterCorner;
  if (form.Checked(innerButton)) return ElbowPoint::kInnerCorner;
  return ElbowPoint::kCentre;
}

void PlaceElbowPoint(figure::Placement& placement, ElbowPoint point, figure::Vec outerCorner) {
  figure::Vec at;
  if (point == ElbowPoint::kOuterCorner) at = outerCorner;
  if (point == ElbowPoint::kInnerCorner) at = {-outerCorner.x, -outerCorner.y};
  placement.offsetX = at.x;
  placement.offsetY = -at.y;
}

}  // namespace duct
