// Catalogue part files (.ajc) and the placed figure built from them.
//
// Line 1 is the header: scale S, then the right, bottom, left and top
// extents (fields 2..6). Every further line is a record: type 1 line or
// 2 arc, line kind 1 solid, 2 hidden or 5 centre line, then a line's
// x1, 2·y1', 3·x2, 4·y2' or an arc's cx, cy', r, a1, a2 from field 4, where
// y' = −y: the files store y growing downwards.
#pragma once

#include <string>
#include <vector>

#include "figure/Geometry.h"
#include "settings/DuctSettings.h"

namespace piping {

struct PartFile {
  double scale = 1, right = 0, bottom = 0, left = 0, top = 0;
  std::vector<std::string> records;
};
PartFile ParsePartFile(const std::vector<std::string>& lines);

// Line attributes of the three line kinds of one family (a TugiteSet.ini line).
struct PartAttributes {
  settings::SlotAttributes solid, hidden, centre;
};
PartAttributes ParsePartAttributes(const std::string& line);

// Reference point 0..8: column (left, centre, right) + 3 × row (top,
// middle, bottom); 4 is the centre.
constexpr int kCentrePoint = 4;
figure::Vec ReferenceOffset(const PartFile& part, int point);

struct Pose {
  int referencePoint = kCentrePoint;
  bool mirror = false;
  double angle = 0;
};

// One record of the placed figure: "1,lt,lc,x1,y1,x2,y2,lg,ly," or
// "2,lt,lc,cx,cy,r,a1,a2,lg,ly,", and its line kind for the preview.
struct PlacedRecord {
  int lineKind;
  std::string text;
};

struct PlacedPart {
  std::vector<PlacedRecord> records;
  // Where the take-off marker goes: the first point of the first solid record.
  figure::Vec markerCentre;
};

PlacedPart PlacePart(const PartFile& part, const PartAttributes& attributes, const Pose& pose);

}  // namespace piping
