// Text and number conventions shared by every part of the program: values
// stay text and are converted only where a computation needs them, with the
// lenient C semantics (leading number, otherwise 0) and a fixed "C" notation
// whatever the user's locale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Leading decimal number of the text ("12.5mm" -> 12.5, "abc" -> 0).
// Only plain decimal notation is accepted, so "inf", "nan" and hex read as 0.
double ToReal(std::string_view text);
// Leading integer of the text ("42x" -> 42, "-7" -> -7, "x" -> 0).
int ToInt(std::string_view text);
// Whether the whole text is a plain decimal number without a sign: digits
// with at most one decimal point among or after them ("12", "0.50", "3.").
bool IsPlainDecimal(std::string_view text);

// printf "%f": six decimals.
std::string FormatFixed(double value);
// printf "%e" with a three-digit exponent, as the drawing data requires:
// 1.500000e+002.
std::string FormatExp(double value);
// A computed dimension as a whole number: formatted with six decimals, then
// truncated toward zero, so 299.9999999 is 300 and 157.9999994 is 157.
// Values that are not finite or beyond 18 digits give 0.
double Whole(double value);
// The same as an edit box shows it.
std::string FormatWhole(double value);

// Field n (from 1) of the text split at a one-character separator. When the
// text has fewer fields the remainder after the last separator is returned;
// n = 0 gives empty text.
std::string GetListField(std::string_view text, int n, char separator);
// The same field as a view into the text.
std::string_view ListField(std::string_view text, int n, char separator);
std::vector<std::string> Split(std::string_view text, char separator);

// Line n (from 1) of a file's lines; a line beyond the end reads as empty.
const std::string& LineAt(const std::vector<std::string>& lines, int n);

bool StartsWith(std::string_view text, std::string_view prefix);
// Case-insensitive comparison of ASCII letters, as the Windows lists compare.
int CompareNoCase(std::string_view a, std::string_view b);

}  // namespace ui
