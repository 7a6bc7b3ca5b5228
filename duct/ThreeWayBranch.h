// "割込分岐：三方向": a trunk from below divided by two splitter walls into
// three channels; the left one turns into the left branch, the right one
// into the right (reference) branch and the middle one runs up into the
// top branch.
#pragma once

#include "duct/Branch.h"

namespace duct {

class ThreeWayBranch : public BranchDialog {
 public:
  enum Id {
    kTop = 1005,  // WT
    kAngle = 1006,
    kTrunk = 1007,          // WM
    kLeftChannel = 1008,    // S1
    kMiddleChannel = 1009,  // S2
    kRightChannel = 1010,   // S3
    kUpdate = 1016,
    kTopLeft = 1017,    // T1
    kTopRight = 1018,   // T2
    kLeftLower = 1019,  // B2
    kLeft = 1020,       // WL
  };

  explicit ThreeWayBranch(ui::Env env);

 protected:
  void Build() override;
  void OnCommand(int id, ui::Notify what) override;
};

}  // namespace duct
