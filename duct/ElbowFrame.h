// What the 90° elbows share: their frame, with the crossing of the two duct
// centre lines at the origin, the upstream leg along −y and the downstream
// leg along +x; the flanged ends and straight sides of their legs; and their
// three reference points.
#pragma once

#include "figure/Figure.h"
#include "settings/DuctSettings.h"
#include "ui/Form.h"

namespace duct {

struct RightElbowLegs {
  double upstreamWidth;    // the upstream leg spans x from −w/2 to w/2
  double downstreamWidth;  // the downstream leg spans y from −w/2 to w/2
  double downstreamEnd;    // the downstream flange stands on x = downstreamEnd
  double upstreamEnd;      // the upstream flange stands on y = −upstreamEnd
};

// The downstream and the upstream flange, then, unless the angle width is 0,
// the downstream and the upstream angle line.
void AddFlangedEnds(figure::Figure& figure, const RightElbowLegs& legs, const settings::CommonLengths& common);

// The straight sides from the flanges to the bend: the downstream outer side
// to x = outerBend, the downstream inner side to x = innerBend, then the
// upstream inner and outer sides to y = −upstreamBend.
void AddStraightSides(figure::Figure& figure, const RightElbowLegs& legs, double outerBend, double innerBend,
                      double upstreamBend);

// The point of the elbow that goes to the placement point: its outer corner,
// the crossing of the centre lines, or its inner corner, which lies opposite
// the outer one through the crossing.
enum class ElbowPoint { kOuterCorner, kCentre, kInnerCorner };
// The point of the checked one of the dialog's outer- and inner-corner
// buttons, else the crossing.
ElbowPoint CheckedElbowPoint(const ui::Form& form, int outerButton, int innerButton);
void PlaceElbowPoint(figure::Placement& placement, ElbowPoint point, figure::Vec outerCorner);

}  // namespace duct
