// "内貼り付ボックス": a rectangular box in plan with an internal lining set in
// by its thickness, hatched at 45° over the whole box.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class LinedBox : public FittingDialog {
 public:
  enum Id {
    kWidth = 1004,  // W
    kLining = 1005, // T
    kDepth = 1006,  // D
    kPreview = 1007,
    kAngle = 1008,  // ρ
    kAnchor = 1009,
    kUpdate = 1013,
    kMirror = 1020,
    kStatus = 1024,
    kDepthList = 1025,
    kRotation0 = 1027,  // 1027..1034
    kWidthList = 1095,
    kCentre = 1096,      // the placement point: the box centre,
    kBottomMiddle = 1097,  // the middle of its lower side,
    kCorner = 1098,        // its lower-left corner,
    kLeftMiddle = 1099,    // or the middle of its left side
    kCurrentLayer = 1100,
  };

  explicit LinedBox(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void Update() override;
};

}  // namespace duct
