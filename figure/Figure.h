// A fitting as an ordered list of text records, as the preview and the
// drawing data read it. Record 0 is the frame record ("50," and four
// extents); lines ("1,...") and arcs ("2,...") follow, each placed through
// the dialog's reference offset, mirror and rotation as it is appended, and
// carrying the layer group and layer of its attribute slot.
#pragma once

#include <string>
#include <vector>

#include "figure/Geometry.h"
#include "settings/DuctSettings.h"

namespace figure {

// Pen styles of figure records (preview only).
enum Style { kSolid = 1, kDotted = 2, kDotted3 = 3, kDashDot = 5 };

// Attribute slots: the lines of DakutoSet.ini.
enum Slot {
  kDuct = 1,
  kAngleLine = 2,
  kFlangeLine = 3,
  kHiddenLine = 4,
  kEquipment = 5,
  kHatching = 6,
  kCentreLine = 7,
};

// How the records of a fitting are placed: applied in this order.
struct Placement {
  double offsetX = 0, offsetY = 0;  // reference point: x -= offsetX, y += offsetY
  double lineOffsetY = 0;           // added to the y of line records only
  bool mirror = false;              // x -> -x
  double angle = 0;                 // rotation about the placement point, degrees

  // A point of the fitting's frame placed by the reference offset, the
  // mirror and the rotation (the extra line offset is the lines' own).
  Vec Place(double x, double y) const;
};

class Figure {
 public:
  void SetSlots(const settings::SlotTable& slots) { slots_ = slots; }
  const settings::SlotTable& slots() const { return slots_; }

  // Empties the figure for a rebuild; the placement is kept.
  void Clear();
  // Writes the frame record into record 0.
  void SetFrame(double e1, double e2, double e3, double e4);
  void AddLineRecord(int style, int slot, double x1, double y1, double x2, double y2);
  void AddArcRecord(int style, int slot, double cx, double cy, double radius, double start, double end);

  const std::vector<std::string>& records() const { return records_; }
  const std::vector<int>& recordSlots() const { return recordSlots_; }
  int count() const { return static_cast<int>(records_.size()); }
  // False once any number handed to the figure was not finite (a square
  // root of a negative value, a division by zero): such a figure is never
  // placed.
  bool finite() const { return finite_; }
  // False while no record has any extent (no lines or arcs, or only lines of
  // length 0 and arcs of radius 0): such a figure draws nothing.
  bool drawsSomething() const { return drawsSomething_; }

  Placement placement;

 private:
  void EnsureFrame();
  void Note(std::initializer_list<double> values);
  std::string Layers(int slot) const;

  settings::SlotTable slots_;
  std::vector<std::string> records_;
  std::vector<int> recordSlots_;
  bool finite_ = true;
  bool drawsSomething_ = false;
};

// The four extents of the frame record.
struct Extents {
  double e1 = 0, e2 = 0, e3 = 0, e4 = 0;
};
Extents FrameExtents(const Figure& figure);

// Hatches a closed polygon, given as its edges in order, with the base lines
// of the hatching pattern (`lines` of them, pitch 1.4142 × width), keeping
// the hatching's direction in the drawing whatever the figure's rotation and
// mirror. The records are lines of style 1 in the hatching slot.
void HatchPolygon(Figure& figure, const std::vector<Segment>& edges, double hatchWidth, int lines = 200);

}  // namespace figure
