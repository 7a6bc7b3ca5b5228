// What the fuzz targets share: a drive with the shipped data that every
// input starts from, the checks that stop the fuzzer with a report, and the
// check that drawing text holds only finite numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/TestDrive.h"
#include "ui/Canvas.h"

namespace fuzz {

// The input as bytes.
inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Stops the fuzzer: something that must hold did not (libFuzzer keeps the
// input as a crash).
[[noreturn]] void Fail(const std::string& what);
inline void Check(bool holds, const std::string& what) {
  if (!holds) Fail(what);
}

// The whole text is a finite decimal number.
bool FiniteNumber(std::string_view text);

// Every line of drawing or exchange text ("lg".."lc", "hq", "hp1 x y",
// " x1 y1 x2 y2", "ci ...") has only finite numbers where numbers go.
void CheckDrawingText(const std::vector<std::string>& lines, const std::string& what);

// Takes every drawing call and draws nothing.
class NullCanvas : public ui::Canvas {
 public:
  void SetPen(ui::Rgb, ui::PenStyle) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Arc(ui::Rect, int, int, int, int) override {}
  void FillRect(ui::Rect, ui::Rgb) override {}
};

// One test drive with the shipped data for the whole fuzzing run. Reset()
// puts back every file as it was installed and forgets the messages, so
// that every input meets the same drive.
class FuzzDrive {
 public:
  static FuzzDrive& Get();

  test::TestDrive& test() { return test_; }
  const ui::Drive& drive() const { return test_.drive(); }
  ui::Env env() { return test_.env(); }
  // Adds a file to the drive as installed.
  void Install(const std::string& windowsPath, std::string_view bytes);
  // Writes raw bytes into an installed file; false when there is none.
  bool Replace(const std::string& windowsPath, std::string_view bytes);
  // Whether the file now differs from the installed one.
  bool Changed(const std::string& windowsPath) const;
  // The drawing data and the pipe's marker radii, when written, hold only
  // finite numbers.
  void CheckPlacementFiles() const;
  void Reset();

 private:
  FuzzDrive();
  std::map<std::filesystem::path, std::string> Snapshot() const;

  test::TestDrive test_;
  std::map<std::filesystem::path, std::string> installed_;
};

}  // namespace fuzz
