// "ダンパー作図": a damper in a straight square duct, of one of five kinds
// (VD, MD, CD, FD, FD+ with its extra short piece), with the blade frame and
// the kind's operator. Each kind keeps its own settings file; Danpa.ini
// remembers the kind last placed.
#pragma once

#include <string>
#include <vector>

#include "duct/FittingDialog.h"

namespace duct {

class Damper : public FittingDialog {
 public:
  enum Id {
    kLength1 = 1001,  // L1, up to the blade axis
    kLength2 = 1002,  // L2, after it
    kLength3 = 1003,  // L3, the extra short piece of FD+
    kBlade = 1004,    // W, blade frame length
    kOperator = 1005, // A
    kGap = 1006,      // S, blade gap
    kSize = 1007,     // D
    kSizeList = 1008,
    kLength3Label = 1009,
    kHatched = 1010,  // "FDハッチング有り"
    kAngle = 1011,
    kKind1 = 1021,      // 1021..1025: VD, MD, CD, FD, FD+
    kReference1 = 1031, // 1031..1036: upper left, lower left, upper middle, ...
    kMirror = 1050,
    kRotation0 = 1051,  // 1051..1058
    kCurrentLayer = 1059,
    kUpdate = 1060,
    kStatus = 1061,
    kPreview = 1062,
    kAnchor = 1063,
  };
  enum Kind { kVD = 1, kMD, kCD, kFD, kFDPlus };

  explicit Damper(ui::Env env);

 protected:
  void OnInit() override;
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void SaveSettings() override;

 private:
  int kind() const;
  // Shows the kind's controls, restores its last values and rebuilds.
  void KindChosen();
  void BuildOperator();
};

// The per-kind settings file, guide sketch and settings lines, for the kinds 1..5.
std::string DamperSettingsFile(int kind);
std::string DamperGuideFile(int kind);
std::vector<SettingLine> DamperSettings(int kind);

}  // namespace duct
