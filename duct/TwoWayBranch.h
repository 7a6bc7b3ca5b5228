// "割込分岐：２方向・双方向・T方向": three branch fittings of two channels.
// Two-way: the trunk runs on up into a top branch while its right channel
// turns into the right branch. Double: the trunk divides into a left and a
// right channel turning left and right. T: left and right branches under
// one straight top side, without a splitter.
#pragma once

#include "duct/Branch.h"

namespace duct {

class TwoWayBranch : public BranchDialog {
 public:
  enum Id {
    kAngle = 1005,
    kTrunk = 1006,         // WM
    kLeftChannel = 1007,   // S1
    kRightChannel = 1008,  // S2
    kTop = 1009,           // WT
    kLeftLower = 1018,     // B2
    kLeft = 1019,          // WL
    kTopRight = 1020,      // T2
    kTwoWay = 1040,        // "２方向"
    kDouble = 1041,        // "双方向"
    kT = 1042,             // "T方向"
    kTopLeft = 1044,       // T1
    kUpdate = 1128,
  };

  explicit TwoWayBranch(ui::Env env);

 protected:
  void OnInit() override;
  void Build() override;
  void OnCommand(int id, ui::Notify what) override;
  void SplitLeftWidth() override;
  std::optional<std::string> DrawNamePrefix() const override;
  bool CheckBeforePlacing() override;

 private:
  // The left branch's boxes serve the double and T branches, the top
  // branch's the two-way branch.
  void EnableForMode();
  // T: the left branch's upper side lines up with the right branch's.
  void AlignLeftWithRight();
  void BuildTwoWay();
  void BuildDouble();
  void BuildT();
};

}  // namespace duct
