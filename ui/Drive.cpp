#include "ui/Drive.h"

#include <fstream>
#include <sstream>

namespace ui {
namespace fs = std::filesystem;

std::vector<std::string> ReadTextFile(const fs::path& file) {
  std::string text = Cp932ToUtf8(ReadFileBytes(file));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

void WriteTextFile(const fs::path& file, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  WriteFileAtomically(file, Utf8ToCp932(text));
}

std::vector<std::string> ReadUtf8File(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw FileError(file, false);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

Drive::Drive(fs::path root) : root_(std::move(root)) {}

fs::path Drive::Locate(std::string_view windowsPath) const { return LocateUnder(root_, windowsPath); }

bool Drive::Exists(std::string_view windowsPath) const {
  std::error_code ec;
  return fs::exists(Locate(windowsPath), ec);
}

std::vector<std::string> Drive::ReadLines(std::string_view windowsPath) const {
  return ReadTextFile(Locate(windowsPath));
}

void Drive::WriteLines(std::string_view windowsPath, const std::vector<std::string>& lines) const {
  WriteTextFile(Locate(windowsPath), lines);
}

}  // namespace ui
