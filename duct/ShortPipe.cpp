#include "duct/ShortPipe.h"

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "ui/Text.h"

namespace duct {
namespace {

using figure::kAngleLine;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kSolid;
using P = ShortPipe;

FittingIds Ids() {
  FittingIds ids;
  ids.update = P::kUpdate;
  ids.angle = P::kAngle;
  for (int i = 0; i < 8; ++i) ids.rotation[i] = P::kRotation0 + i;
  ids.mirror = P::kMirror;
  ids.currentLayer = P::kCurrentLayer;
  ids.anchor = P::kAnchor;
  ids.preview = P::kPreview;
  ids.status = P::kStatus;
  return ids;
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "短管・片落管";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, P::kAnchor, {7, 7});
  l.Label(ui::kNoId, "Wa", {13, 32, 14, 10}, ui::kCentred);
  l.Edit(P::kStartWidth, {15, 81, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "E", {58, 14, 22, 10}, ui::kCentred);
  l.Edit(P::kStraight, {58, 25, 22, 12}, ui::kCentred);
  l.Label(ui::kNoId, "P1", {188, 46, 22, 10}, ui::kCentred);
  l.Edit(P::kEndLeft, {188, 68, 22, 12}, ui::kCentred);
  l.Label(ui::kNoId, "P2", {188, 110, 22, 10}, ui::kCentred);
  l.Edit(P::kEndRight, {188, 91, 22, 12}, ui::kCentred);
  l.Label(ui::kNoId, "Wb", {214, 46, 22, 10}, ui::kCentred);
  l.Edit(P::kEndWidth, {214, 78, 22, 12}, ui::kCentred);
  l.Edit(P::kLength, {104, 141, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "L=", {104, 155, 26, 10}, ui::kCentred);
  l.Edit(P::kSpare, {140, 150, 24, 12}, ui::kHidden);
  l.Radio(P::kStartCentre, "", {49, 82, 10, 10}, 2);
  l.Radio(P::kStartCorner, "", {49, 122, 10, 10}, 2);
  l.Radio(P::kEndCentre, "", {176, 82, 10, 10}, 2);
  l.Radio(P::kEndCorner, "", {176, 102, 10, 10}, 2);

  l.Group("《形状》", {7, 172, 62, 46});
  l.Radio(P::kSquareEnd, "角-角", {14, 186, 46, 10}, 1);
  l.Radio(P::kRoundEnd, "角-丸", {14, 202, 46, 10}, 1);
  l.Group("《サイズ》", {76, 172, 150, 30});
  l.Label(ui::kNoId, "Wa", {83, 185, 14, 10});
  l.DropList(P::kStartSizes, {98, 183, 48, 120});
  l.Label(ui::kNoId, "Wb", {154, 185, 14, 10});
  l.DropList(P::kEndSizes, {169, 183, 48, 120});
  l.Label(ui::kNoId, "大小ダクト係数=", {76, 210, 62, 10});
  l.Edit(P::kCoefficient, {138, 208, 24, 12}, ui::kCentred);
  l.DropList(P::kCoefficients, {166, 208, 34, 100});
  l.Label(ui::kNoId, "※0はL=に直接入力し表示更新クリック", {7, 228, 220, 10});

  AddPreviewFrame(l, P::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(P::kStartWidth),
          TextLine(P::kEndWidth),
          TextLine(P::kEndLeft),
          TextLine(P::kEndRight),
          TextLine(P::kSpare),
          TextLine(P::kStraight),
          TextLine(P::kAngle),
          TextLine(P::kLength),
          TextLine(P::kCoefficient),
          ChoiceLine({P::kSquareEnd, P::kRoundEnd}),
          ChoiceLine({P::kStartCentre, P::kStartCorner, P::kEndCentre, P::kEndCorner}),
          CheckLine(P::kMirror),
          CheckLine(P::kCurrentLayer)};
}

}  // namespace

ShortPipe::ShortPipe(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Oti.tec",
                                 "Oti.ini",
                                 {6, 100, 150},
                                 4,
                                 kStatusSet,
                                 Ids(),
                                 0,
                                 {{kStartSizes, kStartWidth}, {kEndSizes, kEndWidth}, {kCoefficients, kCoefficient}}},
                    Settings()) {}

// The length coefficient multiplies the width difference, so its list
// offers coefficients; 0 leaves the typed length.
void ShortPipe::FillLists() {
  FillSizeList(kStartSizes);
  FillSizeList(kEndSizes);
  form().SetItems(kCoefficients, {"0", "1", "1.5", "2", "2.5", "3"});
}

void ShortPipe::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Focus && (id == kEndLeft || id == kEndRight)) {
    activeEndPart_ = id;
  } else if (what == ui::Notify::Change && id == kEndWidth) {
    SetWhole(kEndLeft, Value(kEndWidth) / 2);
    SetWhole(kEndRight, Value(kEndWidth) / 2);
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Change && id == activeEndPart_) {
    // P1 and P2 make up the end width: the one being typed in leads.
    SetWhole(id == kEndLeft ? kEndRight : kEndLeft, Value(kEndWidth) - Value(id));
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Change &&
             (id == kStartWidth || id == kStraight || id == kLength || id == kCoefficient || id == kSpare)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select &&
             (id == kStartSizes || id == kEndSizes || id == kCoefficients)) {
    const int box = id == kStartSizes ? kStartWidth : id == kEndSizes ? kEndWidth : kCoefficient;
    form().SetText(box, form().Text(id));
    Rebuild();
  } else if (what == ui::Notify::Click && (id == kSquareEnd || id == kRoundEnd || id == kStartCentre ||
                                           id == kStartCorner || id == kEndCentre || id == kEndCorner)) {
    Rebuild();
  }
}

// With a coefficient K the length follows from the widths: the taper
// K·(Wa − Wb), cut down to a multiple of 50, and the two straight parts.
// The box shows the length the figure is built with.
double ShortPipe::Length() {
  const double k = Value(kCoefficient), taper = k * (Value(kStartWidth) - Value(kEndWidth));
  if (k != 0) SetWhole(kLength, ui::Whole(taper * 0.02) * 50 + 2 * Value(kStraight));
  return Value(kLength);
}

double ShortPipe::PreviewScale() const { return figure::ExtentFitScale(figure(), angle() == 0 ? 85 : 60); }

// Built along +y from the start flange, and turned a further 270° so that
// the piece runs along +x at the angle 0.
void ShortPipe::Build() {
  const double l = Length(), wa = Value(kStartWidth) / 2, p1 = Value(kEndLeft), p2 = Value(kEndRight);
  const double e = Value(kStraight), a = common().angleWidth, fl = common().flange;
  const bool round = form().Checked(kRoundEnd);
  placement().angle = AlongYAngle(angle());
  if (form().Checked(kStartCorner)) placement().offsetX = wa;
  if (form().Checked(kEndCentre) || form().Checked(kEndCorner)) placement().offsetY = -l;
  if (form().Checked(kEndCorner)) placement().offsetX = p2;

  figure::Figure& f = fig();
  f.SetFrame(wa, common().frameMargin, wa, l + common().frameMargin);
  f.AddLineRecord(kSolid, kFlangeLine, -(wa + fl), 0, wa + fl, 0);
  if (round) f.AddLineRecord(kSolid, kFlangeLine, -p1, l, p2, l);
  else f.AddLineRecord(kSolid, kFlangeLine, -(p1 + fl), l, p2 + fl, l);
  if (a != 0) {
    f.AddLineRecord(kSolid, kAngleLine, -wa, a, wa, a);
    if (!round) f.AddLineRecord(kSolid, kAngleLine, -p1, l - a, p2, l - a);
  }
  for (const auto& [end, start] : {std::pair{-p1, -wa}, std::pair{p2, wa}}) {
    f.AddLineRecord(kSolid, kDuct, end, l, end, l - e);
    f.AddLineRecord(kSolid, kDuct, end, l - e, start, e);
    f.AddLineRecord(kSolid, kDuct, start, e, start, 0);
  }
  if (round) {
    f.AddLineRecord(kSolid, kDuct, -p1, l - e, p2, l - e);
    f.AddLineRecord(kSolid, kDuct, -wa, e, wa, e);
    f.AddLineRecord(kSolid, kDuct, 0, l - e, -wa, e);
    f.AddLineRecord(kSolid, kDuct, 0, l - e, wa, e);
  }
  SetStatus(kStatusSet);
}

}  // namespace duct
