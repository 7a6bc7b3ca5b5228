// "直管作図": prepares a straight square-duct run for DuctRun.exe, which
// Jw_cad starts after the user has picked the run's start and end points.
// The dialog writes no drawing data: "配置実行" leaves the duct's size,
// flange dimensions, pitch and drawing options in Choku.ini and its line
// attributes in ChokuSet.ini. The preview frame shows the guide sketch, with
// an end that is not to be drawn greyed.
#pragma once

#include "duct/FittingDialog.h"

namespace duct {

class StraightDuct : public FittingDialog {
 public:
  enum Id {
    kSize = 1001,
    kFlangeWidth = 1002,  // "フランジ巾": joint line to angle line
    kAngleOut = 1003,     // "アングル出": beyond the duct side
    kPitch = 1004,
    kSizeList = 1005,
    kStyle1 = 1011,         // 1011..1013: where the picked points lie: upper side, centre, lower side
    kStylePicture1 = 1014,  // 1014..1016: their pictures
    kDuctLinesOnly = 1021,
    kFlangesOnly = 1022,
    kBoth = 1023,
    kLeftEnd = 1031,   // "作図有" under the left end
    kRightEnd = 1032,  // "作図有" under the right end
    kFixed45 = 1033,
    kCurrentLayer = 1059,
    kUpdate = 1060,
    kStatus = 1061,
    kPreview = 1062,
  };

  explicit StraightDuct(ui::Env env);

 protected:
  void Build() override;
  double PreviewScale() const override;
  void FillLists() override;
  void OnCommand(int id, ui::Notify what) override;
  bool WriteDrawing() override;
  void SaveSettings() override;
  void OnPaint(ui::Canvas& canvas) override;
};

// The twelve lines of ChokuSet.ini: layer group, layer, line type and colour
// of the duct body, the flange joints and the angle lines, in that order.
std::vector<std::string> StraightDuctAttributes(const settings::SlotTable& slots);

}  // namespace duct
