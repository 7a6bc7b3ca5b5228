#include "settings/DuctSettings.h"

#include <cstdint>

#include "settings/Paths.h"
#include "ui/Text.h"

namespace settings {

using ui::GetListField;
using ui::LineAt;

SlotAttributes ParseSlotLine(const std::string& line) {
  return SlotAttributes{GetListField(line, 1, '-'), GetListField(line, 2, '-'), GetListField(line, 3, '-'),
                        GetListField(line, 4, '-')};
}

SlotTable ReadSlotTable(const ui::Drive& drive) {
  std::vector<std::string> lines = drive.ReadLines(SetFile("DakutoSet.ini"));
  SlotTable table;
  for (int slot = 1; slot <= kSlots; ++slot) table[slot] = ParseSlotLine(LineAt(lines, slot));
  return table;
}

CommonLengths ReadCommonLengths(const ui::Drive& drive, int lines) {
  std::vector<std::string> texts = drive.ReadLines(SetFile("KyotuSet.ini"));
  CommonLengths k;
  double* values[] = {&k.angleWidth, &k.flange, &k.frameMargin, &k.hatchWidth};
  for (int i = 0; i < lines && i < 4; ++i) *values[i] = ui::ToReal(LineAt(texts, i + 1));
  return k;
}

std::vector<std::string> ReadCommonTexts(const ui::Drive& drive) {
  std::vector<std::string> lines = drive.ReadLines(SetFile("KyotuSet.ini"));
  lines.resize(4);
  return lines;
}

ui::Drive::Lines CommonTextsFile(const std::vector<std::string>& texts) { return {SetFile("KyotuSet.ini"), texts}; }

std::vector<std::string> ReadSizeList(const ui::Drive& drive) { return drive.ReadLines(SetFile("KiokuSize.ini")); }
std::vector<std::string> ReadAngleList(const ui::Drive& drive) { return drive.ReadLines(SetFile("KiokuDeg.ini")); }

std::vector<std::string> ReadMemos(const ui::Drive& drive) {
  std::vector<std::string> lines = drive.ReadLines(SetFile("Memo.ini"));
  lines.resize(kPresets);
  return lines;
}

ui::Drive::Lines MemosFile(const std::vector<std::string>& memos) { return {SetFile("Memo.ini"), memos}; }

std::vector<std::string> ReadPresetLines(const ui::Drive& drive) {
  std::vector<std::string> lines = drive.ReadLines(SetFile("DakutoSubSet.ini"));
  lines.resize(kPresets * kSlots);
  return lines;
}

ui::Drive::Lines PresetLinesFile(const std::vector<std::string>& lines) { return {SetFile("DakutoSubSet.ini"), lines}; }

ui::Drive::Lines ActivePresetFile(const std::vector<std::string>& presetLines, int preset) {
  std::vector<std::string> block;
  for (int slot = 1; slot <= kSlots; ++slot) block.push_back(LineAt(presetLines, kSlots * (preset - 1) + slot));
  return {SetFile("DakutoSet.ini"), block};
}

int ReadSelectedPreset(const ui::Drive& drive) {
  return ui::ToInt(LineAt(drive.ReadLines(SetFile("Sentaku.ini")), 1));
}

ui::Drive::Lines SelectedPresetFile(int preset) { return {SetFile("Sentaku.ini"), {std::to_string(preset)}}; }

double NameChecksum(const std::vector<std::string>& values, const CommonLengths& k) {
  const double n = static_cast<double>(values.size());
  double sum = 0;
  for (size_t j = 0; j < values.size(); ++j) sum += (ui::ToReal(values[j]) + 1) * (1 + 0.1 * static_cast<double>(j));
  return sum + (1.0 + 0.1 * n) * k.angleWidth + (1.1 + 0.1 * n) * k.flange + (1.2 + 0.1 * n) * k.frameMargin;
}

std::string DrawingName(const std::string& prefix, const std::vector<std::string>& values,
                        const CommonLengths& lengths) {
  std::string checksum = ui::FormatFixed(NameChecksum(values, lengths));
  for (char& c : checksum)
    if (c == '.') c = 'D';
  return prefix + checksum + std::to_string(NextRand());
}

int NextRand() {
  static std::uint32_t seed = 1;
  seed = seed * 214013u + 2531011u;
  return static_cast<int>((seed >> 16) & 0x7fff);
}

}  // namespace settings
