// "突付け分岐枝管": a square branch duct butted against the side of a main
// duct, optionally widened by a hopper at the butt end, with a square or a
// square-to-round far end.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class ButtBranch : public FittingDialog {
 public:
  enum Id {
    kAnchor = 1002,
    kSpare = 1004,   // hidden, kept in the settings file
    kLength = 1005,  // L
    kHopperLength = 1006,  // Lh
    kPreview = 1007,
    kHopperWidth = 1009,  // Hw
    kWidth = 1010,   // W
    kFlange = 1011,  // G
    kUpdate = 1013,
    kAngle = 1014,   // ρ
    kStatus = 1024,
    kRotation0 = 1027,  // 1027..1034
    kNoHopper = 1039,
    kOrigin = 1040,  // the butt end's centre on the placement point
    kCorner = 1066,  // the butt end's right-hand corner on it
    kSizeList = 1067,
    kCurrentLayer = 1068,
    kFlip = 1069,
    kHopper = 1070,
    kSquareEnd = 1107,
    kRoundEnd = 1108,
  };

  explicit ButtBranch(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
};

}  // namespace duct
