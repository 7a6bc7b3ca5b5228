// The eight unlabelled rotation buttons that fitting dialogs carry around the
// caption "回転": counter-clockwise from the top they set 0, 45 ... 315°.
#pragma once

#include <array>

#include "ui/Layout.h"

namespace figure {

inline constexpr std::array<int, 8> kRotationAngles = {0, 45, 90, 135, 180, 225, 270, 315};

// Adds the caption and the buttons (ids in angle order) around `centre`.
void AddRotationButtons(ui::Layout& layout, const std::array<int, 8>& ids, ui::Point centre, int group);

// The ids of eight buttons numbered in angle order from `first`.
std::array<int, 8> RotationIds(int first);

// Index of the button for exactly this angle, or -1.
int RotationIndex(double angle);

}  // namespace figure
