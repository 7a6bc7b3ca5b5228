// "フレキダクト作図": a round flexible duct in plan, metal or insulated, L or
// S shaped, with bellows lines if wanted. Input that cannot make a duct is
// refused with a message and draws nothing.
#pragma once

#include <optional>

#include "duct/FlexDuctShape.h"
#include "duct/FittingDialog.h"

namespace duct {

class FlexDuct : public FittingDialog {
 public:
  enum Id {
    kMirror = 1002,
    kPlace = 1005,
    kAngle = 1006,  // ρ, the rotation of the whole figure
    kPreview = 1007,
    kDiameter = 1008,  // D
    kLength = 1012,    // L
    kUpdate = 1013,
    kStatus = 1020,
    kCurrentLayer = 1021,
    kRotation0 = 1027,  // 1027..1034
    kRatio = 1130,      // r
    kMetal = 1136,
    kInsulated = 1137,
    kLShape = 1138,
    kSShape = 1139,
    kBellows = 1140,
    kMetalPitch = 1141,
    kOffset = 1142,  // P
    kUnit1 = 1143,   // "mm" after the two pitches
    kUnit2 = 1144,
    kDiameterLabel = 1145,
    kTheta = 1146,     // θ
    kDistance = 1147,  // A
    kStartCentre = 1148,
    kStartSide = 1149,
    kInsulatedPitch = 1150,
    kAnchor = 1151,
  };

  explicit FlexDuct(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  bool CheckBeforePlacing() override;

 private:
  std::optional<FlexRefusal> refusal_;  // why the last build drew nothing
};

}  // namespace duct
