#include "piping/Marker.h"

#include <algorithm>

namespace piping {

std::string ThreeDigitCode(int value) {
  if (value < 0 || value > 999) return "";
  std::string digits = std::to_string(value);
  return std::string(3 - digits.size(), '0') + digits;
}

std::string MarkerRadius(int position, int value) {
  std::string n = std::to_string(position);
  return "0." + n + ThreeDigitCode(value) + n;
}

int ListPosition(const std::vector<std::string>& list, const std::string& text) {
  if (text.empty()) return 0;
  auto it = std::find(list.begin(), list.end(), text);
  return it == list.end() ? 0 : static_cast<int>(it - list.begin()) + 1;
}

}  // namespace piping
