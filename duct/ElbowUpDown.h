// "エルボ上下：単独": in plan, the end of a horizontal square duct that turns
// through a bend into a vertical duct going up ("上がり", drawn in full) or
// down ("下がり", the parts it hides drawn as hidden lines), with the
// vertical duct's section, its flange square and a section symbol.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class ElbowUpDown : public FittingDialog {
 public:
  enum Id {
    kHalfB = 1012,      // B: the part of W on the +y side
    kUpdate = 1013,
    kPreview = 1015,
    kDepth = 1016,      // D: the section along the run
    kSectionWidth = 1017,  // S: the section across the run
    kRunLength = 1018,  // L: from the section's near side to the duct end
    kSpare = 1019,      // hidden, kept in the settings file
    kMirror = 1020,
    kHeight = 1021,     // H
    kWidth = 1023,      // W
    kStatus = 1024,
    kHalfA = 1026,      // A: the part of W on the -y side
    kAngle = 1027,
    kCollar = 1028,     // c: straight length at the duct end
    kDepthList = 1035,
    kSectionList = 1036,
    kWidthList = 1037,  // sets W and S
    kHeightList = 1040, // sets H and D
    kRotation0 = 1045,
    kRotation45 = 1046,  // then 1395..1400 for 90..315
    kAtCentre = 1071,
    kAtFarB = 1072,   // (-D/2, S/2)
    kAtFarA = 1073,   // (-D/2, -S/2)
    kAtNearA = 1074,  // (D/2, -S/2)
    kAtNearB = 1075,  // (D/2, S/2)
    kUp = 1076,
    kDown = 1077,
    kSymbol1 = 1078,  // 1078..1080
    kHalfRadius = 1082,  // "0.5R"
    kFullRadius = 1083,  // "1R"
    kCurrentLayer = 1081,
    kAnchor = 1090,
  };

  explicit ElbowUpDown(ui::Env env);

 protected:
  void OnInit() override;
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void Update() override;
  std::optional<std::string> DrawNamePrefix() const override;

 private:
  void ApplyRunLength();

  int activeHalf_ = ui::kNoId;
  bool writing_ = false;  // the dialog itself is writing the run length
};

}  // namespace duct
