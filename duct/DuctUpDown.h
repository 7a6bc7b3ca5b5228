// "ダクトアップダウン": in plan, a square duct run that steps down ("下側") or
// up ("上側") by a small height through a pair of short bends, and with
// "両側" steps back again further on, the middle part at the other level
// between the two stepped parts; for offsets smaller than the duct height.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class DuctUpDown : public FittingDialog {
 public:
  enum Id {
    kFlange = 1001,  // "中間フランジ有り"
    kMirror = 1002,
    kPlace = 1005,
    kAngle = 1006,
    kPreview = 1007,
    kUpdate = 1013,
    kStatus = 1020,
    kCurrentLayer = 1021,
    kRotation0 = 1027,  // 1027..1034
    kAtStart = 1160,    // (0, 0)
    kAtStartA = 1161,   // (0, -W1/2)
    kAtStep = 1162,     // (P, 0)
    kAtStepA = 1163,    // (P, the middle part's -y side)
    kStraightU = 1170,  // U and V: the straight lengths of a stepped part
    kStraightV = 1171,
    kThird = 1172,      // C
    kHeight = 1173,     // H
    kSecond = 1175,     // G
    kEndWidth = 1176,   // W1
    kDown = 1177,       // "下側"
    kUp = 1178,         // "上側"
    kOneSide = 1179,    // "片側"
    kBothSides = 1180,  // "両側"
    kMiddleWidth = 1181,  // W2
    kMiddle = 1182,     // the middle part's length
    kStepLength = 1183,  // label
    kMiddleWidthList = 1184,
    kEndWidthList = 1185,
    kHeightList = 1186,
    kTotal = 1187,      // label
    kOffset = 1188,     // OF: of the middle part's side from the end parts' side
    kSecondList = 1189,
    kAnchor = 1195,
  };

  explicit DuctUpDown(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  bool CheckBeforePlacing() override;
  std::optional<std::string> DrawNamePrefix() const override { return "UPD_"; }

 private:
  std::optional<std::string> InputError() const;
};

}  // namespace duct
