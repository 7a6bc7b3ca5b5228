// Take-off markers: concentric circles whose radius texts carry numbers.
// A radius is "0.", the position digit N, a three-digit code and N again.
#pragma once

#include <string>
#include <vector>

namespace piping {

// "000" for 0, the value with leading zeros for 1..999, empty otherwise.
std::string ThreeDigitCode(int value);
// "0." + N + code + N: MarkerRadius(8, 1) is "0.80018".
std::string MarkerRadius(int position, int value);

// 1-based position of the text in the list; 0 for an empty text or one
// that is not in the list.
int ListPosition(const std::vector<std::string>& list, const std::string& text);

}  // namespace piping
