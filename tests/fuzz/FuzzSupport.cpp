#include "tests/fuzz/FuzzSupport.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "ui/Text.h"

namespace fuzz {
namespace fs = std::filesystem;

bool FiniteNumber(std::string_view text) {
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "\n*** fuzz check failed: %s\n", what.c_str());
  std::abort();
}

void CheckDrawingText(const std::vector<std::string>& lines, const std::string& what) {
  for (const std::string& line : lines) {
    std::string_view numbers;
    if (line.empty() || line == "hq" || ui::StartsWith(line, "lg") || ui::StartsWith(line, "ly") ||
        ui::StartsWith(line, "lt") || ui::StartsWith(line, "lc"))
      continue;
    if (ui::StartsWith(line, "ci ")) numbers = std::string_view(line).substr(3);
    else if (ui::StartsWith(line, "hp")) numbers = std::string_view(line).substr(line.find(' ') + 1);
    else if (ui::StartsWith(line, " ")) numbers = std::string_view(line).substr(1);
    else Fail(what + ": a line that is no drawing text: \"" + line + "\"");
    for (const std::string& token : ui::Split(numbers, ' '))
      Check(FiniteNumber(token), what + ": \"" + token + "\" is no finite number in \"" + line + "\"");
  }
}

FuzzDrive& FuzzDrive::Get() {
  static FuzzDrive drive;
  return drive;
}

FuzzDrive::FuzzDrive() : installed_(Snapshot()) {}

// Every file of the drive but the catalogue's part folders, which the test
// drive links and nothing writes.
std::map<fs::path, std::string> FuzzDrive::Snapshot() const {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(test_.root()))
    if (entry.is_regular_file() && !entry.is_symlink()) files[entry.path()] = test::ReadBytes(entry.path());
  return files;
}

void FuzzDrive::Install(const std::string& windowsPath, std::string_view bytes) {
  fs::path file = drive().Locate(windowsPath);
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  installed_[file] = std::string(bytes);
}

bool FuzzDrive::Replace(const std::string& windowsPath, std::string_view bytes) {
  fs::path file = drive().Locate(windowsPath);
  if (!installed_.count(file)) return false;
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return true;
}

bool FuzzDrive::Changed(const std::string& windowsPath) const {
  fs::path file = drive().Locate(windowsPath);
  auto installed = installed_.find(file);
  return installed == installed_.end() ? fs::exists(file) : test::ReadBytes(file) != installed->second;
}

void FuzzDrive::CheckPlacementFiles() const {
  const char* drawData = R"(\Tavrin\set\DrawData.txt)";
  if (Changed(drawData)) CheckDrawingText(drive().ReadLines(drawData), "DrawData.txt");
  const char* marker = R"(\Tavrin\HaikanSet\KanSekisan.ini)";
  if (Changed(marker)) {
    std::vector<std::string> lines = drive().ReadLines(marker);
    for (int n = 6; n <= 14; ++n)
      CheckDrawingText({"ci 0 0 " + ui::LineAt(lines, n)}, "KanSekisan.ini line " + std::to_string(n));
  }
}

void FuzzDrive::Reset() {
  std::map<fs::path, std::string> now = Snapshot();
  for (const auto& [file, bytes] : now) {
    auto installed = installed_.find(file);
    if (installed == installed_.end()) fs::remove(file);
    else if (bytes != installed->second) std::ofstream(file, std::ios::binary | std::ios::trunc) << installed->second;
  }
  for (const auto& [file, bytes] : installed_)
    if (!now.count(file)) {
      fs::create_directories(file.parent_path());
      std::ofstream(file, std::ios::binary) << bytes;
    }
  test_.services() = ui::HeadlessServices();
}

}  // namespace fuzz
