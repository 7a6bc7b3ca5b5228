// "エルボ上下：連続": in plan, a square duct that changes level through two
// elbows: the upstream duct (元管) runs into a short riser and the downstream
// duct (先管) leaves it at the other level, straight on ("ストレート") or at a
// right angle ("Ｌ形"). "下変形" and "上変形" tell which duct lies on top in
// the plan and so which outlines are hidden.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class ElbowUpDownRun : public FittingDialog {
 public:
  enum Id {
    kMirror = 1001,
    kPlace = 1005,
    kAngle = 1006,
    kPreview = 1007,
    kUpdate = 1013,
    kUpper = 1017,      // "上変形"
    kStatus = 1020,
    kCurrentLayer = 1021,
    kLWidthList = 1025,   // sets WL and H2
    kRotation0 = 1027,  // 1027..1034
    kLHeightList = 1035,  // sets HL and W2
    kWidthList = 1036,    // sets W1 and W2
    kHeightList = 1037,   // sets H1 and H2
    kDownWidthList = 1038,
    kDownHeightList = 1039,
    kLower = 1133,      // "下変形"
    kStraight = 1138,   // "ストレート"
    kLShape = 1139,     // "Ｌ形"
    kDownWidth = 1181,  // W2
    kSymbol1 = 1217,    // 1217..1219
    kHalfRadius = 1220,  // "0.5R"
    kFullRadius = 1221,  // "1.0R"
    kAtFarTop = 1222,   // the riser's corners and centre: (x0, y1)
    kAtFarBottom = 1223,  // (x0, y0)
    kAtCentre = 1224,
    kAtNearTop = 1225,  // (x1, y1)
    kAtNearBottom = 1226,  // (x1, y0)
    kStraightLength = 1227,  // E
    kWidth = 1228,      // W1
    kHeight = 1229,     // H1
    kHalfA = 1230,      // A2: the part of W2 on the +y side
    kHalfB = 1231,      // B2
    kLWidth = 1232,     // WL
    kLHeight = 1233,    // HL
    kDownHeight = 1235,  // H2
    kOuter = 1236,      // "外合せ"
    kCentred = 1237,    // "芯合せ"
    kLengthL = 1238,    // computed lengths on the guide sketch
    kLengthUp = 1239,
    kLengthDown = 1240,
    kLengthRiser = 1241,
    kInner = 1242,      // "内合せ"
    kAnchor = 1250,
  };

  explicit ElbowUpDownRun(ui::Env env);

 protected:
  void OnInit() override;
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void Update() override;
  // "左右反転" updates like "表示更新": the preview is current, place when ready.
  void MirrorClicked() override { Update(); }

 private:
  void Coupled(int id);
  void EnableShape(bool straight);

  int activeBox_ = ui::kNoId;  // the coupled box the user is typing in
};

}  // namespace duct
