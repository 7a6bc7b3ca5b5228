// "アネモ+ユニネック": an anemostat under a round chamber fed by a side duct.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class AnemoUnineck : public FittingDialog {
 public:
  enum Id {
    kChamber = 1001,     // R
    kDuctLength = 1002,  // P
    kSpare = 1003,       // hidden, kept in the settings file
    kNeck = 1004,        // N
    kAnemostat = 1005,   // D
    kDuctWidth = 1006,   // W
    kAngle = 1007,
    kSizeList = 1020,
    kRoundAnemo = 1045,
    kSquareAnemo = 1046,
    kMirror = 1050,
    kRotation0 = 1051,  // 1051..1058
    kCurrentLayer = 1059,
    kUpdate = 1060,
    kStatus = 1061,
    kPreview = 1062,
    kAnchor = 1063,
  };

  explicit AnemoUnineck(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  bool CheckBeforePlacing() override;

 private:
  void LookUpSize(const std::string& size);
};

}  // namespace duct
