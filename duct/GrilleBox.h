// "角形制気口+ボックス作図": a rectangular grille in a box, the box optionally
// lined, placed by its centre or by its lower-left corner.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class GrilleBox : public FittingDialog {
 public:
  enum Id {
    kWidth = 1001,   // W
    kHeight = 1002,  // H
    kWidthList = 1003,
    kHeightList = 1004,
    kMarginList = 1005,  // A
    kLiningList = 1006,  // T
    kLined = 1007,
    kBoxWidth = 1008,   // label: W + 2A
    kBoxHeight = 1009,  // label: H + 2A
    kSymbol1 = 1011,    // 1011..1013: the equipment buttons
    kCentre = 1014,
    kCorner = 1015,
    kAngle = 1016,
    kPlace = 1017,
    kMirror = 1050,
    kRotation0 = 1051,  // 1051..1058
    kCurrentLayer = 1059,
    kUpdate = 1060,
    kStatus = 1061,
    kPreview = 1062,
    kAnchor = 1063,
  };

  explicit GrilleBox(ui::Env env);

 protected:
  void OnInit() override;
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void Update() override;
};

}  // namespace duct
