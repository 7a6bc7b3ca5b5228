#include "duct/SPipe.h"

#include <cmath>

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"
#include "ui/Text.h"

namespace duct {
namespace {

using figure::kAngleLine;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kSolid;
using S = SPipe;

FittingIds Ids() {
  return {.update = S::kUpdate, .angle = S::kAngle, .rotation = figure::RotationIds(S::kRotation0),
          .mirror = S::kFlip, .currentLayer = S::kCurrentLayer, .anchor = S::kAnchor, .preview = S::kPreview,
          .status = S::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "S字管";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, S::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.Label(ui::kNoId, "A：", {88, 13, 14, 10});
  l.Edit(S::kLength, {102, 12, 30, 12}, ui::kCentred);
  l.Button(S::kShortest, "Aの最短計算", {108, 26, 62, 13});
  l.Label(ui::kNoId, "W", {5, 42, 8, 10});
  l.Edit(S::kWidth, {13, 41, 28, 12}, ui::kCentred);
  l.DropList(S::kSizeList, {8, 62, 40, 100});
  l.Radio(S::kLeftCorner, "", {56, 29, 10, 10}, 4);
  l.Radio(S::kOrigin, "", {56, 42, 10, 10}, 4);
  l.Radio(S::kRightCorner, "", {56, 56, 10, 10}, 4);
  l.Label(ui::kNoId, "R=", {131, 64, 12, 10});
  l.Edit(S::kRadius, {143, 63, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "D", {175, 73, 8, 10});
  l.Edit(S::kOffset, {183, 72, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "Ls", {50, 136, 10, 10});
  l.Edit(S::kStartLength, {60, 135, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "調整", {125, 136, 20, 10});
  l.Edit(S::kEndLength, {145, 135, 28, 12}, ui::kCentred);
  l.Edit(S::kSpare, {183, 150, 26, 12}, ui::kHidden);

  AddPreviewFrame(l, S::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144}, "上下反転");
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(S::kWidth),     TextLine(S::kOffset), TextLine(S::kRadius), TextLine(S::kAngle),
          TextLine(S::kEndLength), TextLine(S::kLength), TextLine(S::kSpare),
          ChoiceLine({S::kLeftCorner, S::kOrigin, S::kRightCorner}),
          CheckLine(S::kFlip),     CheckLine(S::kCurrentLayer), TextLine(S::kStartLength)};
}

}  // namespace

SPipe::SPipe(ui::Env env)
    : FittingDialog(
          env, MakeLayout(),
          FittingSetup{"Smagari.tec", "Smagari.ini", {7.5, 100, 80}, 3, kStatusSet, Ids(), 0, {{kSizeList, kWidth}}},
          Settings()) {}

// The stored lengths come back as they were placed: while the settings file
// fills the boxes, Le and Ls do not recompute A, and nothing is marked stale.
void SPipe::OnInit() {
  opening_ = true;
  try {
    FittingDialog::OnInit();
  } catch (...) {
    opening_ = false;
    throw;
  }
  opening_ = false;
}

void SPipe::FillLists() { FillSizeList(kSizeList); }

void SPipe::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change && !opening_) {
    if (id == kEndLength || id == kStartLength) {
      if (auto shortest = ShortestLength()) SetWhole(kLength, *shortest);
    } else if (id == kWidth || id == kOffset || id == kRadius || id == kLength) {
      SetStatus(kStatusStale);
    }
  } else if (what == ui::Notify::Select && id == kSizeList) {
    form().SetText(kWidth, form().Text(kSizeList));
  } else if (what == ui::Notify::Click) {
    if (id == kShortest) ComputeShortest();
    else if (id == kLeftCorner || id == kOrigin || id == kRightCorner) Rebuild();
  }
}

std::optional<double> SPipe::ShortestLength() const {
  const double reach = 2 * Value(kRadius) + Value(kWidth), rest = reach - Value(kOffset);
  const double square = reach * reach - rest * rest;
  if (!std::isfinite(square) || square < 0) return std::nullopt;
  return ui::Whole(Value(kEndLength) + Value(kStartLength) + ui::Whole(std::sqrt(square)));
}

// The bends cannot meet when the offset is negative or exceeds twice their
// reach 2R + W: nothing is changed then, so that no impossible length
// reaches the drawing.
void SPipe::ComputeShortest() {
  auto shortest = ShortestLength();
  if (!shortest) {
    Message("Aの最短は計算できません。Dは0以上2×(2R+W)以下にしてください。", "入力確認");
    return;
  }
  SetWhole(kLength, *shortest);
  Rebuild();
}

double SPipe::PreviewScale() const { return figure::ExtentFitScale(figure(), 80); }

// Built along +y: the start flange on y = 0 centred on x = 0, the end flange
// on y = A centred on x = D; placed turned by ρ + 270°. The bends end on the
// line through their centres, so the outline closes at the shortest A.
void SPipe::Build() {
  const double w = Value(kWidth) / 2, d = Value(kOffset), r = Value(kRadius);
  const double ls = Value(kStartLength), le = Value(kEndLength), length = Value(kLength);
  const double a = common().angleWidth, k2 = common().flange;
  placement().angle = AlongYAngle(angle());
  if (form().Checked(kLeftCorner)) placement().offsetX = -w;
  if (form().Checked(kRightCorner)) placement().offsetX = w;

  figure::Figure& f = fig();
  f.SetFrame(d + w, common().frameMargin, w, length + common().frameMargin);
  f.AddLineRecord(kSolid, kDuct, d - w, length, d - w, length - le);
  f.AddLineRecord(kSolid, kDuct, d + w, length, d + w, length - le);
  f.AddLineRecord(kSolid, kDuct, -w, 0, -w, ls);
  f.AddLineRecord(kSolid, kDuct, w, 0, w, ls);
  f.AddLineRecord(kSolid, kFlangeLine, d - w - k2, length, d + w + k2, length);
  f.AddLineRecord(kSolid, kFlangeLine, -(w + k2), 0, w + k2, 0);
  if (a != 0) {
    f.AddLineRecord(kSolid, kAngleLine, d - w, length - a, d + w, length - a);
    f.AddLineRecord(kSolid, kAngleLine, -w, a, w, a);
  }
  const figure::Vec c1{r + w, ls}, c2{d - r - w, length - le};
  const double toward = figure::VectorAngle(c1.x, c1.y, c2.x, c2.y);
  const double back = toward + 180 > 360 ? toward - 180 : toward + 180;
  f.AddArcRecord(kSolid, kDuct, c2.x, c2.y, r, back, 0);
  f.AddArcRecord(kSolid, kDuct, c2.x, c2.y, r + 2 * w, back, 0);
  f.AddArcRecord(kSolid, kDuct, c1.x, c1.y, r, toward, 180);
  f.AddArcRecord(kSolid, kDuct, c1.x, c1.y, r + 2 * w, toward, 180);
}

}  // namespace duct
