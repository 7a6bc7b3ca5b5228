// "消音付エルボ": a 90° square-duct elbow of one width W inside a lined
// chamber. The duct walls inside the chamber are hidden lines, the chamber
// stands off them by the lining thickness t, the inner corner is square,
// round, chamfered or notched, and the lining may be hatched.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class SilencerElbow : public FittingDialog {
 public:
  enum Id {
    kChamber = 1003,  // C
    kAnchor = 1004,
    kWidth = 1005,  // W
    kPreview = 1007,
    kAngle = 1009,
    kStraight = 1010,  // S
    kSpare = 1011,     // hidden, kept in the settings file
    kUpdate = 1013,
    kLining = 1014,  // t
    kMirror = 1020,
    kHatched = 1022,
    kStatus = 1024,
    kRotation0 = 1027,  // 1027..1034
    kOuterPoint = 1041,
    kCentrePoint = 1042,
    kInnerPoint = 1043,
    kSquare = 1058,
    kRound = 1059,
    kChamfer = 1060,
    kNotch = 1061,
    kCurrentLayer = 1062,
    kSizes = 1064,
  };

  explicit SilencerElbow(ui::Env env);

 protected:
  void OnInit() override;
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
};

}  // namespace duct
