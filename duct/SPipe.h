// "S字管": a square-duct offset of two bends of the same inner radius, the
// end leg parallel to the start leg at the lateral offset D.
#pragma once

#include <optional>

#include "duct/FittingDialog.h"

namespace duct {

class SPipe : public FittingDialog {
 public:
  enum Id {
    kWidth = 1002,   // W
    kOffset = 1003,  // D
    kRadius = 1004,  // R
    kAngle = 1005,   // ρ
    kAnchor = 1006,
    kPreview = 1007,
    kEndLength = 1009,  // Le, "調整"
    kLength = 1010,     // A
    kSpare = 1011,      // hidden, kept in the settings file
    kUpdate = 1013,
    kStartLength = 1014,  // Ls
    kShortest = 1016,     // "Aの最短計算"
    kStatus = 1024,
    kRotation0 = 1027,  // 1027..1034
    kOrigin = 1039,     // the start flange's centre on the placement point
    kRightCorner = 1040,
    kFlip = 1090,
    kCurrentLayer = 1091,
    kLeftCorner = 1092,
    kSizeList = 1093,
  };

  explicit SPipe(ui::Env env);

  // The overall length at which the two bends meet: Le + Ls + √((2R + W)² −
  // (2R + W − D)²), each part cut to a whole number; none when the offset
  // is too large (or negative) for the bends to meet at all.
  std::optional<double> ShortestLength() const;

 protected:
  void OnInit() override;
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;

 private:
  void ComputeShortest();

  bool opening_ = false;  // the settings file is filling the boxes
};

}  // namespace duct
