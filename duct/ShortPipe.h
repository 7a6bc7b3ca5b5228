// "短管・片落管": a straight square-duct piece from a start width Wa to an
// end width Wb, straight for E at each end and tapered between; the end may
// sit off the start's centre line (P1 and P2 either side of it), and it is
// square or a square-to-round transition. The length is typed in or follows
// from the width difference by a coefficient.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class ShortPipe : public FittingDialog {
 public:
  enum Id {
    kEndLeft = 1006,  // P1
    kPreview = 1007,
    kAnchor = 1009,
    kStartWidth = 1010,  // Wa
    kEndWidth = 1011,    // Wb
    kUpdate = 1013,
    kEndRight = 1014,  // P2
    kSpare = 1015,     // hidden, kept in the settings file
    kStraight = 1016,  // E
    kAngle = 1017,
    kLength = 1018,       // L
    kCoefficient = 1019,  // K
    kMirror = 1020,
    kStatus = 1024,
    kRotation0 = 1027,  // 1027..1034
    kStartSizes = 1036,
    kCoefficients = 1037,
    kEndCentre = 1101,
    kEndCorner = 1102,
    kStartCentre = 1103,
    kStartCorner = 1104,
    kEndSizes = 1105,
    kSquareEnd = 1107,  // "角-角"
    kRoundEnd = 1108,   // "角-丸"
    kCurrentLayer = 1109,
  };

  explicit ShortPipe(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;

 private:
  double Length();

  int activeEndPart_ = ui::kNoId;  // the one of P1, P2 the user is typing in
};

}  // namespace duct
