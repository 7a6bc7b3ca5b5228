// The figure of a round flexible duct in plan: a collar of length 50 at each
// end, straight runs and circular bends along a centre line of the given
// length, an insulation jacket 25 wider on each side for the insulated kind,
// and bellows lines across the duct. The duct starts at the origin along +x
// with its centre line on y = 0; bends turn towards −y.
#pragma once

#include <optional>
#include <string>

#include "figure/Figure.h"

namespace duct {

struct FlexInput {
  double diameter = 0;  // D
  double length = 0;    // L, along the centre line
  double ratio = 0;     // r: the centre radius is D × r
  double angle = 0;     // θ between the two runs of the L shape
  double distance = 0;  // A: start to the meeting point of the L shape's runs
  double offset = 0;    // P: lateral offset of the S shape
  double pitch = 0;     // of the bellows lines
  bool insulated = false;
  bool sShape = false;
  bool bellows = false;
};

// Why a duct is not drawn: the message for the user, or an empty text for
// input that is ignored without one (no diameter or length, no angle).
struct FlexRefusal {
  std::string message;
};

inline const std::string kCentreRadiusMessage = "中心曲率半径は1.0以下は入力できません。";
inline const std::string kLengthMessage = "Ｌが適正ではありません。";
inline const std::string kDistanceMessage = "Ａが適正ではありません。";
inline const std::string kOffsetMessage = "Ｐが適正ではありません。";
inline const std::string kPitchMessage = "ジャバラ線のピッチが適正ではありません。";

// Appends the frame record and the duct's records, or leaves the figure
// untouched and tells why it cannot be drawn.
std::optional<FlexRefusal> BuildFlexDuct(figure::Figure& figure, const FlexInput& input);

}  // namespace duct
