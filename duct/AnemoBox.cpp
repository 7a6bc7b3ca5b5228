#include "duct/AnemoBox.h"

#include <algorithm>
#include <cmath>

#include "duct/AirTerminal.h"
#include "duct/FittingLayout.h"
#include "figure/Preview.h"

namespace duct {
namespace {

using figure::kAngleLine;
using figure::kDotted;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kHiddenLine;
using figure::kSolid;
using A = AnemoBox;

FittingIds Ids() {
  FittingIds ids;
  ids.update = A::kUpdate;
  ids.angle = A::kAngle;
  for (int i = 0; i < 8; ++i) ids.rotation[i] = A::kRotation0 + i;
  ids.mirror = A::kMirror;
  ids.currentLayer = A::kCurrentLayer;
  ids.anchor = A::kAnchor;
  ids.preview = A::kPreview;
  ids.status = A::kStatus;
  return ids;
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "アネモ+ボックス";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, A::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.Label(ui::kNoId, "M", {34, 26, 8, 10});
  l.Edit(A::kMargin, {42, 25, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "ダクト径", {69, 66, 36, 10}, ui::kCentred);
  l.Edit(A::kNeck, {73, 78, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "D", {65, 102, 8, 10});
  l.Edit(A::kAnemostat, {73, 101, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "A", {64, 140, 8, 10});
  l.Edit(A::kBoxSize, {72, 139, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "G", {138, 46, 8, 10});
  l.Edit(A::kDuctLength, {146, 45, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "L", {138, 120, 8, 10});
  l.Edit(A::kPaddle, {146, 119, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "H", {198, 69, 8, 10});
  l.Edit(A::kDuctWidth, {198, 81, 26, 12}, ui::kCentred);
  l.Edit(A::kSpare, {198, 150, 26, 12}, ui::kHidden);

  l.Group("《形状》", {7, 168, 110, 56});
  l.Radio(A::kPaddleBox, "羽子板形ボックス", {14, 180, 96, 10}, 1);
  l.Radio(A::kSquareDuct, "ボックス+角ダクト", {14, 194, 96, 10}, 1);
  l.Radio(A::kRoundDuct, "ボックス+丸ダクト", {14, 208, 96, 10}, 1);
  l.Radio(A::kSquareAnemo, "角アネモ", {124, 172, 50, 10}, 2);
  l.Radio(A::kRoundAnemo, "丸アネモ", {124, 186, 50, 10}, 2);
  l.Check(A::kStep, "段差書込み有", {124, 202, 70, 10});
  l.Check(A::kLined, "内貼り有", {124, 216, 50, 10});
  l.Label(ui::kNoId, "厚", {176, 216, 10, 10});
  l.Edit(A::kLining, {188, 214, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "《サイズ》", {14, 232, 50, 10});
  l.Combo(A::kSizeList, {64, 230, 60, 90}, ui::kSorted);

  AddPreviewFrame(l, A::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(A::kBoxSize),   TextLine(A::kDuctLength), TextLine(A::kSpare),   TextLine(A::kNeck),
          TextLine(A::kAnemostat), TextLine(A::kDuctWidth),  TextLine(A::kAngle),   TextLine(A::kPaddle),
          TextLine(A::kMargin),    TextLine(A::kLining),     TextLine(A::kSizeList),
          ChoiceLine({A::kPaddleBox, A::kSquareDuct, A::kRoundDuct}),
          CheckLine(A::kStep),     CheckLine(A::kLined),     CheckLine(A::kMirror), CheckLine(A::kCurrentLayer),
          ChoiceLine({A::kSquareAnemo, A::kRoundAnemo})};
}

}  // namespace

AnemoBox::AnemoBox(ui::Env env)
    : FittingDialog(env, MakeLayout(), FittingSetup{"AnemoB.tec", "AnemoB.ini", {5.5, 150, 80}, 4, kStatusStale, Ids()},
                    Settings()) {}

void AnemoBox::FillLists() {
  for (const std::string& size : NeckSizes()) form().AddItem(kSizeList, size);
}

void AnemoBox::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Focus && (id == kBoxSize || id == kNeck || id == kMargin)) {
    activeLinked_ = id;
  } else if (what == ui::Notify::Change && id == activeLinked_ && !writing_) {
    Linked(id);
  } else if (what == ui::Notify::Select && id == kSizeList) {
    LookUpSize(form().Text(kSizeList));
  } else if (what == ui::Notify::Click) {
    if (id == kPaddleBox || id == kSquareDuct || id == kSquareAnemo || id == kRoundAnemo) {
      if (!form().Text(kSizeList).empty()) LookUpSize(form().Text(kSizeList));
      else Rebuild();
    } else if (id == kRoundDuct || id == kStep || id == kLined) {
      Rebuild();
    }
  }
}

// The box size, the neck and the margin hold A = N + 2·M: a change of the
// one being typed in recomputes the other two's partner.
void AnemoBox::Linked(int id) {
  writing_ = true;
  if (id == kMargin) SetWhole(kBoxSize, Value(kNeck) + 2 * Value(kMargin));
  else SetWhole(kMargin, (Value(kBoxSize) - Value(kNeck)) / 2);
  writing_ = false;
  SetStatus(kStatusStale);
}

void AnemoBox::LookUpSize(const std::string& size) {
  writing_ = true;
  if (auto defaults = LookUpNeckSize(drive(), size)) {
    form().SetText(kNeck, defaults->neck);
    form().SetText(kAnemostat, form().Checked(kSquareAnemo) ? defaults->squareSize : defaults->roundSize);
  }
  SetWhole(kBoxSize, Value(kNeck) + 2 * Value(kMargin));
  writing_ = false;
  Rebuild();
}

double AnemoBox::PreviewScale() const { return figure::ExtentFitScale(figure(), angle() == 0 ? 80 : 70); }

void AnemoBox::Build() {
  const double a = Value(kBoxSize), g = Value(kDuctLength), d = Value(kAnemostat), l = Value(kPaddle);
  const double k3 = common().frameMargin;
  if (form().Checked(kPaddleBox)) {
    fig().SetFrame(a / 2 + l + k3, d / 2, d / 2, d / 2);
    BuildPaddleBox();
  } else {
    fig().SetFrame(a / 2 + g + k3, d / 2, d / 2, d / 2);
    BuildBoxWithDuct(!form().Checked(kRoundDuct));
  }
  if (form().Checked(kLined)) BuildLining();
  AddNeckAndAnemostat(fig(), Value(kNeck), d, form().Checked(kSquareAnemo));
}

void AnemoBox::BuildBoxWithDuct(bool squareDuct) {
  const double a = Value(kBoxSize) / 2, g = Value(kDuctLength), h = Value(kDuctWidth) / 2;
  const double k1 = common().angleWidth, k2 = common().flange;
  figure::Figure& f = fig();
  f.AddLineRecord(kSolid, kDuct, a + g, h, a, h);
  f.AddLineRecord(kSolid, kDuct, a, a, -a, a);
  f.AddLineRecord(kSolid, kDuct, -a, a, -a, -a);
  f.AddLineRecord(kSolid, kDuct, -a, -a, a, -a);
  f.AddLineRecord(kSolid, kDuct, a, -a, a, a);
  f.AddLineRecord(kSolid, kDuct, a, -h, a + g, -h);
  if (squareDuct) {
    f.AddLineRecord(kSolid, kFlangeLine, a + g, h + k2, a + g, -h - k2);
    f.AddLineRecord(kSolid, kAngleLine, a + g - k1, h, a + g - k1, -h);
  } else {
    f.AddLineRecord(kSolid, kFlangeLine, a + g, h, a + g, -h);
  }
}

void AnemoBox::BuildPaddleBox() {
  const double a = Value(kBoxSize) / 2, g = Value(kDuctLength), h = Value(kDuctWidth) / 2, l = Value(kPaddle);
  const double k1 = common().angleWidth, k2 = common().flange;
  figure::Figure& f = fig();
  f.AddLineRecord(kSolid, kDuct, a + l, h, a + l - g, h);
  f.AddLineRecord(kSolid, kDuct, a + l - g, h, a, a);
  f.AddLineRecord(kSolid, kDuct, a, a, -a, a);
  f.AddLineRecord(kSolid, kDuct, -a, a, -a, -a);
  f.AddLineRecord(kSolid, kDuct, -a, -a, a, -a);
  f.AddLineRecord(kSolid, kDuct, a, -a, a + l - g, -h);
  f.AddLineRecord(kSolid, kDuct, a + l - g, -h, a + l, -h);
  f.AddLineRecord(kSolid, kFlangeLine, a + l, h + k2, a + l, -h - k2);
  f.AddLineRecord(kSolid, kAngleLine, a + l - k1, h, a + l - k1, -h);
}

void AnemoBox::BuildLining() {
  const double a = Value(kBoxSize) / 2, t = Value(kLining);
  figure::Figure& f = fig();
  if (!form().Checked(kStep)) f.AddLineRecord(kSolid, kDuct, a, -a, a, a);
  f.AddLineRecord(kDotted, kHiddenLine, -a + t, -a + t, -a + t, a - t);
  f.AddLineRecord(kDotted, kHiddenLine, -a + t, a - t, a - t, a - t);
  f.AddLineRecord(kDotted, kHiddenLine, a - t, a - t, a - t, -a + t);
  f.AddLineRecord(kDotted, kHiddenLine, a - t, -a + t, -a + t, -a + t);
  figure::HatchPolygon(f, {{-a, a, -a, -a}, {a, a, -a, a}, {a, -a, a, a}, {-a, -a, a, -a}}, common().hatchWidth);
}

}  // namespace duct
