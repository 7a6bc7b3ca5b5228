// What the piping dialogs share: the files of \Tavrin\HaikanSet\ that
// several of them read (the outer-diameter lists, the pipe-kind lists, the
// attribute groups), and how check boxes and status labels look.
#pragma once

#include <string>
#include <vector>

#include "ui/Drive.h"
#include "ui/Layout.h"

namespace piping {

// HaikanName.ini: the pipe names, by pipe index.
constexpr int kPipeNames = 13;

// One line of a size list: the nominal size and the outer diameter to draw.
struct SizeEntry {
  std::string nominal, outer;
};
std::vector<SizeEntry> ReadSizeList(const ui::Drive& drive, const std::string& file);

// KanName1.ini .. KanName5.ini for list type 1..5.
std::vector<std::string> ReadPipeKinds(const ui::Drive& drive, int listType);
// What the pipe-kind box shows for round ducts, which have no list.
extern const char* const kRoundDuct;

// Layer field and type-colour field of an attribute group
// "layer group-layer-line type-colour".
struct AttributeFields {
  std::string layer, typeColour;
};
AttributeFields SplitAttributeGroup(const std::string& group);
std::string JoinAttributeGroup(const std::string& layer, const std::string& typeColour);

// Check boxes are stored as "1" and "0".
inline std::string Flag(bool on) { return on ? "1" : "0"; }

// Status labels of the placing dialogs.
inline constexpr ui::Rgb kStatusText{50, 50, 255};
inline constexpr ui::Rgb kStatusBack{192, 192, 192};

}  // namespace piping
