#include "duct/ButtBranch.h"

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"

namespace duct {
namespace {

using figure::kAngleLine;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kSolid;
using B = ButtBranch;

FittingIds Ids() {
  return {.update = B::kUpdate, .angle = B::kAngle, .rotation = figure::RotationIds(B::kRotation0),
          .mirror = B::kFlip, .currentLayer = B::kCurrentLayer, .anchor = B::kAnchor, .preview = B::kPreview,
          .status = B::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "突付け分岐枝管";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, B::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.Label(ui::kNoId, "L", {88, 17, 8, 10});
  l.Edit(B::kLength, {96, 16, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "Lh", {44, 29, 20, 10}, ui::kCentred);
  l.Edit(B::kHopperLength, {40, 40, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "Hw", {44, 69, 20, 10}, ui::kCentred);
  l.Edit(B::kHopperWidth, {40, 80, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W", {193, 112, 8, 10});
  l.Edit(B::kWidth, {201, 111, 28, 12}, ui::kCentred);
  l.DropList(B::kSizeList, {189, 139, 40, 100});
  l.Label(ui::kNoId, "G", {44, 148, 8, 10});
  l.Edit(B::kFlange, {52, 147, 26, 12}, ui::kCentred);
  l.Radio(B::kOrigin, "", {29, 112, 10, 10}, 4);
  l.Radio(B::kCorner, "", {29, 129, 10, 10}, 4);
  l.Edit(B::kSpare, {201, 150, 26, 12}, ui::kHidden);

  l.Group("《ホッパー》", {7, 172, 70, 44});
  l.Radio(B::kHopper, "有", {16, 185, 40, 10}, 1);
  l.Radio(B::kNoHopper, "無", {16, 200, 40, 10}, 1);
  l.Group("《形状》", {85, 172, 80, 44});
  l.Radio(B::kSquareEnd, "角-角", {94, 185, 50, 10}, 2);
  l.Radio(B::kRoundEnd, "角-丸", {94, 200, 50, 10}, 2);

  AddPreviewFrame(l, B::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144}, "上下反転");
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(B::kLength),         TextLine(B::kHopperLength), TextLine(B::kSpare),
          TextLine(B::kHopperWidth),    TextLine(B::kWidth),        TextLine(B::kFlange),
          TextLine(B::kAngle),          ChoiceLine({B::kOrigin, B::kCorner}),
          ChoiceLine({B::kHopper, B::kNoHopper}),
          CheckLine(B::kFlip),          CheckLine(B::kCurrentLayer),
          ChoiceLine({B::kSquareEnd, B::kRoundEnd}, 0)};
}

}  // namespace

ButtBranch::ButtBranch(ui::Env env)
    : FittingDialog(
          env, MakeLayout(),
          FittingSetup{"Tuki.tec", "Tuki.ini", {6.5, 115, 120}, 3, kStatusSet, Ids(), 0, {{kSizeList, kWidth}}},
          Settings()) {}

void ButtBranch::FillLists() { FillSizeList(kSizeList); }

void ButtBranch::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Select && id == kSizeList) {
    form().SetText(kWidth, form().Text(kSizeList));
    Rebuild();
  } else if (what == ui::Notify::Click && (id == kHopper || id == kNoHopper || id == kSquareEnd || id == kRoundEnd ||
                                           id == kOrigin || id == kCorner)) {
    Rebuild();
  }
}

double ButtBranch::PreviewScale() const { return figure::ExtentFitScale(figure(), 80); }

// Built along +y: the butt end on y = 0, the centre line on x = 0, the far
// end on y = L and the hopper on the -x side; placed turned by ρ + 270°.
void ButtBranch::Build() {
  const double l = Value(kLength), lh = Value(kHopperLength), hw = Value(kHopperWidth);
  const double w = Value(kWidth) / 2, g = Value(kFlange);
  const double a = common().angleWidth, k2 = common().flange;
  const bool hopper = form().Checked(kHopper), round = form().Checked(kRoundEnd);
  const double xl = hopper ? -(hw + w) : -w;
  placement().angle = AlongYAngle(angle());
  if (form().Checked(kCorner)) placement().offsetX = w;

  figure::Figure& f = fig();
  f.SetFrame(w, 0, hw + w, l + common().frameMargin);
  if (hopper) {
    f.AddLineRecord(kSolid, kDuct, -w, l, -w, l - lh);
    f.AddLineRecord(kSolid, kDuct, -w, l - lh, xl, lh);
    f.AddLineRecord(kSolid, kDuct, xl, lh, xl, g);
  } else {
    f.AddLineRecord(kSolid, kDuct, -w, l, -w, g);
  }
  if (round) {
    f.AddLineRecord(kSolid, kDuct, -w, l - lh, w, l - lh);
    f.AddLineRecord(kSolid, kDuct, xl, lh, w, lh);
    f.AddLineRecord(kSolid, kDuct, 0, l - lh, xl, lh);
    f.AddLineRecord(kSolid, kDuct, 0, l - lh, w, lh);
  }
  f.AddLineRecord(kSolid, kDuct, w, l, w, g);
  const double farFlange = round ? w : w + k2;
  f.AddLineRecord(kSolid, kFlangeLine, -farFlange, l, farFlange, l);
  f.AddLineRecord(kSolid, kFlangeLine, xl - k2, g, w + k2, g);
  if (a != 0) {
    if (!round) f.AddLineRecord(kSolid, kAngleLine, -w, l - a, w, l - a);
    f.AddLineRecord(kSolid, kAngleLine, xl, a, w, a);
  }
}

}  // namespace duct
