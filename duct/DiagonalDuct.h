// "振り上げダクト作図": in plan, a square duct that rises or falls by an
// offset height through two bends of equal angle joined by a sloping run,
// its plan length found from the slope angle ("角度指定") or the angle from
// the total plan length ("全長指定"), with the bend flanges and the hidden
// edges of the sloping part when asked for.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class DiagonalDuct : public FittingDialog {
 public:
  enum Id {
    kByAngle = 1000,   // "角度指定"
    kByLength = 1001,  // "全長指定"
    kMirror = 1002,
    kAngle = 1006,
    kPreview = 1007,
    kSlopeList = 1008,
    kWidthList = 1012,
    kUpdate = 1013,
    kStatus = 1020,
    kCurrentLayer = 1021,
    kRotation0 = 1027,  // 1027..1034
    kHeightList = 1130,
    kHalfRadius = 1149,  // "0.5R"
    kFullRadius = 1150,  // "1.0R"
    kUpperFlange = 1151,
    kLowerFlange = 1152,
    kHiddenLines = 1153,
    kWidth = 1154,       // W
    kHeight = 1155,      // H
    kStartStraight = 1156,  // S1: before the first bend
    kProtrusion = 1157,  // E: of the bend flanges beyond the duct
    kEndStraight = 1158,    // S2: after the second bend
    kRise = 1159,        // Hs: the offset height
    kAtStartB = 1160,    // 1160..1162: the run's start at +W/2, 0, -W/2
    kAtEndB = 1163,      // 1163..1165: its end
    kSlope = 1166,       // φ
    kTotal = 1167,       // Lt
    kPlan = 1168,        // hidden, kept in the settings file
    kSide = 1169,
    kSpareAt = 1170,     // 1170..1173, hidden reference buttons
    kAnchor = 1190,
    kPlace = 1005,
  };

  explicit DiagonalDuct(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void Update() override;
  bool CheckBeforePlacing() override;

 private:
  // The plan length for a slope angle in degrees, unrounded.
  double PlanLength(double slope) const;
  void FindSlope();
  std::optional<std::string> InputError() const;
};

}  // namespace duct
