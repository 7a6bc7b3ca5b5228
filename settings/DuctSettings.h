// The settings files that every duct command shares, in \Tavrin\set\:
// line-attribute presets and the active preset, memos, common duct lengths,
// the size and angle lists, and the drawing name left for the placing program.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/Drive.h"

namespace settings {

constexpr int kPresets = 6;
constexpr int kSlots = 7;

// Attributes of one attribute slot: the four "-"-separated fields of a line.
struct SlotAttributes {
  std::string layerGroup, layer, lineType, colour;
};
SlotAttributes ParseSlotLine(const std::string& line);

// Slots 1..7 of DakutoSet.ini; index 0 stays empty.
using SlotTable = std::array<SlotAttributes, kSlots + 1>;
SlotTable ReadSlotTable(const ui::Drive& drive);

// Common duct lengths K1..K4 of KyotuSet.ini.
struct CommonLengths {
  double angleWidth = 0;   // K1
  double flange = 0;       // K2
  double frameMargin = 0;  // K3
  double hatchWidth = 0;   // K4
};
// Reads the first `lines` (3 or 4) lines; the others stay 0.
CommonLengths ReadCommonLengths(const ui::Drive& drive, int lines = 4);

// KyotuSet.ini as text: angle width, flange protrusion, frame margin, hatching width.
std::vector<std::string> ReadCommonTexts(const ui::Drive& drive);
ui::Drive::Lines CommonTextsFile(const std::vector<std::string>& texts);

std::vector<std::string> ReadSizeList(const ui::Drive& drive);   // KiokuSize.ini
std::vector<std::string> ReadAngleList(const ui::Drive& drive);  // KiokuDeg.ini

// Memo.ini: six preset names (missing lines empty).
std::vector<std::string> ReadMemos(const ui::Drive& drive);
ui::Drive::Lines MemosFile(const std::vector<std::string>& memos);

// DakutoSubSet.ini: 42 lines, preset by preset.
std::vector<std::string> ReadPresetLines(const ui::Drive& drive);
ui::Drive::Lines PresetLinesFile(const std::vector<std::string>& lines);
// Copies the seven lines of preset 1..6 into DakutoSet.ini.
ui::Drive::Lines ActivePresetFile(const std::vector<std::string>& presetLines, int preset);

// Sentaku.ini: the selected preset (the integer of line 1; 0 when not a number).
int ReadSelectedPreset(const ui::Drive& drive);
ui::Drive::Lines SelectedPresetFile(int preset);

// The drawing name: prefix, name checksum with "D" for the decimal point,
// and the next value of the program's rand sequence.
double NameChecksum(const std::vector<std::string>& values, const CommonLengths& lengths);
std::string DrawingName(const std::string& prefix, const std::vector<std::string>& values,
                        const CommonLengths& lengths);
// The C library's rand as on Windows: 0..32767, never seeded, so the
// sequence starts afresh with every run of the program.
int NextRand();

}  // namespace settings
