// "エルボ：一般両エルボ": a square-duct elbow in plan. An upstream leg of
// width W1 turns through θ, with an inner and an outer arc or square corners,
// into a downstream leg of width W2; each leg ends in a flange. A 90° elbow,
// an elbow of one width, and a reducing elbow are built in their own ways.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class GeneralElbow : public FittingDialog {
 public:
  enum Id {
    kUpstreamWidth = 1003,     // W1
    kAnchor = 1004,
    kRadius = 1005,            // R
    kDownstreamWidth = 1006,   // W2
    kRadiusCopy = 1007,        // R again, on the upstream leg's dimensions
    kDownstreamLength = 1008,  // L2
    kSpare = 1009,             // hidden, kept in the settings file
    kAngle = 1010,             // rotation of the whole figure
    kElbowAngle = 1011,        // θ
    kUpstreamLength = 1012,    // L1
    kUpdate = 1013,
    kPreview = 1015,
    kOuterSquare = 1016,  // "外角"
    kInnerSquare = 1017,  // "内角"
    kStatus = 1020,
    kCurrentLayer = 1022,
    kUpstreamSizes = 1025,
    kDownstreamSizes = 1026,
    kElbowAngles = 1028,
    kHalfRadius = 1041,  // "0.5R"
    kFullRadius = 1042,  // "1.0R"
    kRotation0 = 1045,
    kRotation45 = 1046,
    kRotation90 = 1395,  // 1395..1400: 90..315
    kMirror = 1054,
    kOuterPoint = 1055,
    kCentrePoint = 1056,
    kInnerPoint = 1057,
    kNormal90 = 1128,
  };

  explicit GeneralElbow(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  void Update() override;
  std::optional<std::string> DrawNamePrefix() const override { return "ER_"; }
  bool CheckBeforePlacing() override;

 private:
  void SetStandardRadius();

  int activeRadius_ = ui::kNoId;  // the radius box the user is typing in
};

}  // namespace duct
