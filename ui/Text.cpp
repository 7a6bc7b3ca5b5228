#include "ui/Text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace ui {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int AsciiLower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Length of the leading decimal number (after blanks) that strtod would take,
// restricted to digits, one point and an optional exponent.
size_t NumberEnd(std::string_view s, size_t i) {
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

}  // namespace

double ToReal(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsSpace(text[start])) ++start;
  size_t end = NumberEnd(text, start);
  if (end == 0) return 0.0;
  std::string_view number = text.substr(start, end - start);
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Huge exponents: keep the program finite, as a typed dimension must be.
    return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return result.ec == std::errc() ? value : 0.0;
}

bool IsPlainDecimal(std::string_view text) {
  size_t i = 0, digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  return digits > 0 && i == text.size();
}

int ToInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  while (i < text.size() && IsDigit(text[i])) {
    value = value * 10 + (text[i++] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string FormatFixed(double value) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

std::string FormatExp(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6);
  std::string text(buffer, result.ptr);
  size_t e = text.find('e');
  if (e == std::string::npos) return text;  // inf or nan: never written, see the drawing-data writer
  std::string mantissa = text.substr(0, e);
  char sign = text[e + 1];
  std::string exponent = text.substr(e + 2);
  while (exponent.size() < 3) exponent.insert(exponent.begin(), '0');
  return mantissa + 'e' + sign + exponent;
}

double Whole(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e18) return 0;
  return std::trunc(ToReal(FormatFixed(value))) + 0.0;  // + 0.0: no "-0"
}

std::string FormatWhole(double value) { return std::to_string(static_cast<long long>(Whole(value))); }

std::string GetListField(std::string_view text, int n, char separator) {
  return std::string(ListField(text, n, separator));
}

std::string_view ListField(std::string_view text, int n, char separator) {
  std::string_view rest = text;
  std::string_view result;
  for (int i = 0; i < n; ++i) {
    size_t at = rest.find(separator);
    if (at == std::string_view::npos) {
      result = rest;
      break;
    }
    result = rest.substr(0, at);
    rest = rest.substr(at + 1);
  }
  return result;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
}

const std::string& LineAt(const std::vector<std::string>& lines, int n) {
  static const std::string empty;
  if (n < 1 || n > static_cast<int>(lines.size())) return empty;
  return lines[n - 1];
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int ca = AsciiLower(static_cast<unsigned char>(a[i]));
    int cb = AsciiLower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace ui
