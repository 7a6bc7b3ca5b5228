// "アネモ+ボックス": a round or square anemostat under a plenum box fed by a
// side duct, the box paddle-shaped or with a square or round duct.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class AnemoBox : public FittingDialog {
 public:
  enum Id {
    kBoxSize = 1001,     // A
    kDuctLength = 1002,  // G
    kSpare = 1003,       // hidden, kept in the settings file
    kNeck = 1004,        // N
    kAnemostat = 1005,   // D
    kDuctWidth = 1006,   // H
    kAngle = 1007,
    kPaddle = 1008,      // L
    kMargin = 1009,      // M
    kLining = 1010,      // T
    kSizeList = 1020,
    kPaddleBox = 1041,
    kSquareDuct = 1042,
    kRoundDuct = 1043,
    kSquareAnemo = 1045,
    kRoundAnemo = 1046,
    kStep = 1047,
    kLined = 1048,
    kMirror = 1050,
    kRotation0 = 1051,  // 1051..1058
    kCurrentLayer = 1059,
    kUpdate = 1060,
    kStatus = 1061,
    kPreview = 1062,
    kAnchor = 1063,
  };

  explicit AnemoBox(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;

 private:
  void LookUpSize(const std::string& size);
  void Linked(int id);
  void BuildBoxWithDuct(bool squareDuct);
  void BuildPaddleBox();
  void BuildLining();

  int activeLinked_ = 0;  // the one of A, N, M the user is typing in
  bool writing_ = false;  // the dialog itself is writing linked boxes
};

}  // namespace duct
