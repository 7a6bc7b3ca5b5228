#include "figure/RotationButtons.h"

#include <cmath>
#include <numbers>

namespace figure {

void AddRotationButtons(ui::Layout& layout, const std::array<int, 8>& ids, ui::Point centre, int group) {
  layout.Label(ui::kNoId, "回転", {centre.x - 10, centre.y - 5, 20, 10}, ui::kCentred);
  constexpr double radius = 16;
  constexpr int size = 10;
  for (int i = 0; i < 8; ++i) {
    double a = (90 + 45 * i) * std::numbers::pi / 180;
    int x = centre.x + static_cast<int>(std::lround(radius * std::cos(a))) - size / 2 + 2;
    int y = centre.y - static_cast<int>(std::lround(radius * std::sin(a))) - size / 2;
    layout.Radio(ids[i], "", {x, y, size, size}, group);
  }
}

std::array<int, 8> RotationIds(int first) {
  std::array<int, 8> ids;
  for (int i = 0; i < 8; ++i) ids[i] = first + i;
  return ids;
}

int RotationIndex(double angle) {
  for (int i = 0; i < 8; ++i)
    if (angle == kRotationAngles[i]) return i;
  return -1;
}

}  // namespace figure
