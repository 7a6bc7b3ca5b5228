#include "duct/DuctUpDown.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "duct/FittingLayout.h"
#include "duct/VerticalOffset.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"
#include "ui/Text.h"

namespace duct {
namespace {

using figure::Figure;
using U = DuctUpDown;

FittingIds Ids() {
  return {.place = U::kPlace,
          .update = U::kUpdate,
          .angle = U::kAngle,
          .rotation = figure::RotationIds(U::kRotation0),
          .mirror = U::kMirror,
          .currentLayer = U::kCurrentLayer,
          .anchor = U::kAnchor,
          .preview = U::kPreview,
          .status = U::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "ダクトアップダウン";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, U::kAnchor, {7, 7});
  // The plan sketch.
  l.Edit(U::kEndWidth, {5, 45, 24, 12}, ui::kCentred);
  l.DropList(U::kEndWidthList, {4, 59, 35, 100});
  l.Edit(U::kMiddleWidth, {105, 43, 24, 12}, ui::kCentred);
  l.DropList(U::kMiddleWidthList, {100, 57, 35, 100});
  l.Label(ui::kNoId, "OF", {203, 54, 20, 10});
  l.Edit(U::kOffset, {201, 65, 24, 12}, ui::kCentred);
  l.Edit(U::kMiddle, {104, 84, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "全長", {82, 100, 20, 10});
  l.Label(U::kTotal, "-", {104, 100, 26, 10}, ui::kCentred);
  l.Radio(U::kAtStart, "", {32, 46, 10, 10}, 6);
  l.Radio(U::kAtStartA, "", {32, 59, 10, 10}, 6);
  l.Radio(U::kAtStep, "", {72, 46, 10, 10}, 6);
  l.Radio(U::kAtStepA, "", {72, 72, 10, 10}, 6);
  // The side sketch.
  l.Edit(U::kStraightU, {32, 112, 24, 12}, ui::kCentred);
  l.Label(U::kStepLength, "-", {65, 113, 24, 10}, ui::kCentred);
  l.Edit(U::kStraightV, {99, 112, 24, 12}, ui::kCentred);
  l.Edit(U::kHeight, {3, 131, 24, 12}, ui::kCentred);
  l.DropList(U::kHeightList, {4, 145, 35, 100});
  l.Edit(U::kThird, {146, 129, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "C", {171, 130, 6, 10});
  l.Edit(U::kSecond, {169, 147, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "G", {194, 148, 6, 10});
  l.DropList(U::kSecondList, {164, 161, 35, 100});

  l.Group("《振り方向》", {7, 180, 62, 42});
  l.Radio(U::kDown, "下側", {14, 193, 48, 10}, 1);
  l.Radio(U::kUp, "上側", {14, 207, 48, 10}, 1);
  l.Group("《作図》", {74, 180, 120, 42});
  l.Radio(U::kBothSides, "両側", {81, 193, 30, 10}, 2);
  l.Radio(U::kOneSide, "片側", {81, 207, 30, 10}, 2);
  l.Check(U::kFlange, "中間フランジ有り", {116, 193, 72, 10});

  AddPreviewFrame(l, U::kPreview, {247, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(U::kEndWidth),   TextLine(U::kMiddleWidth), TextLine(U::kHeight),  TextLine(U::kThird),
          TextLine(U::kSecond),     TextLine(U::kOffset),      TextLine(U::kMiddle),  TextLine(U::kStraightU),
          TextLine(U::kStraightV),  ChoiceLine({U::kDown, U::kUp}), ChoiceLine({U::kBothSides, U::kOneSide}),
          CheckLine(U::kFlange),    ChoiceLine({U::kAtStart, U::kAtStartA, U::kAtStep, U::kAtStepA}),
          TextLine(U::kAngle),      CheckLine(U::kMirror),     CheckLine(U::kCurrentLayer)};
}

// The plan of the fitting: the run along +x from its start on the end
// parts' centre line.
struct Run {
  double h;        // half the end parts' width
  double yT, yB;   // the middle part's sides
  double p, t;     // one stepped part's length, the whole length
  double bendH, bendG;  // 0.25·H and 0.25·G: where the bend lines stand
  double m, f, aw;
  bool equal;      // the middle part as wide as the ends
  // The bend lines at 0.75·H and P − 0.25·G are seen going down, those at
  // 0.25·H and P − 0.75·G going up; the others are hidden.
  Look downBends, upBends;
};

// One stepped part: the one at the start, or its mirror image at the far
// end (x -> T - x) when `atEnd`.
void SteppedPart(Figure& f, const Run& r, bool atEnd) {
  auto x = [&](double at) { return atEnd ? r.t - at : at; };
  // where the bend lines stand: 0.25·H, 0.75·H from the start, 0.25·G, 0.75·G before the end
  const double p = r.p, h25 = r.bendH, h75 = 3 * r.bendH, g25 = p - r.bendG, g75 = p - 3 * r.bendG;
  for (double y : {r.h, -r.h}) Draw(f, kBody, {std::min(x(-r.m), x(0)), y}, {std::max(x(-r.m), x(0)), y});
  if (r.equal) {
    Draw(f, kBody, {x(0), r.h}, {x(p), r.h});
    Draw(f, r.downBends, {x(h75), r.h}, {x(h75), -r.h});
    Draw(f, r.downBends, {x(g25), r.yT}, {x(g25), r.yB});
    Draw(f, kBody, {x(0), -r.h}, {x(p), -r.h});
  } else {
    for (auto [y0, y1, other0, other1] : {std::array{r.h, r.yT, -r.h, r.yB}, std::array{-r.h, r.yB, r.h, r.yT}}) {
      Draw(f, kBody, {x(0), y0}, {x(h25), y0});
      Draw(f, kBody, {x(h25), y0}, {x(g75), y1});
      Draw(f, kBody, {x(g75), y1}, {x(p), y1});
      Draw(f, kBody, {x(h25), y0}, {x(h75), y0});
      Draw(f, kBody, {x(h75), y0}, {x(g25), y1});
      Draw(f, r.downBends, {x(h75), y0}, {x(h75), other0});
      Draw(f, r.downBends, {x(g25), y1}, {x(g25), other1});
    }
  }
  Draw(f, r.upBends, {x(h25), r.h}, {x(h25), -r.h});
  Draw(f, r.upBends, {x(g75), r.yT}, {x(g75), r.yB});
  // The diagonals of the hidden bends, from their top at the larger x.
  Draw(f, kHidden, {std::max(x(h75), x(h25)), r.h}, {std::min(x(h75), x(h25)), -r.h});
  Draw(f, kHidden, {std::max(x(g25), x(g75)), r.yT}, {std::min(x(g25), x(g75)), r.yB});
  Draw(f, kAngleLine, {x(r.aw), r.h}, {x(r.aw), -r.h});
  Draw(f, kEndFlange, {x(0), r.h + r.f}, {x(0), -(r.h + r.f)});
}

void MiddleFlange(Figure& f, const Run& r) {
  Draw(f, kAngleLine, {r.p - r.aw, r.yT}, {r.p - r.aw, r.yB});
  Draw(f, kAngleLine, {r.p + r.aw, r.yT}, {r.p + r.aw, r.yB});
  Draw(f, kEndFlange, {r.p, r.yT + r.f}, {r.p, r.yB - r.f});
}

// The square of the step length's rise and run: no real step length when negative.
double StepSquare(double h, double g, double c) {
  const double run = 1.5 * h + 0.5 * g, rise = 1.5 * g + 0.5 * h - c;
  return run * run - rise * rise;
}

}  // namespace

DuctUpDown::DuctUpDown(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Updown.tec",
                                 "Updown.ini",
                                 {5.5, 65, 85},
                                 3,
                                 kStatusSet,
                                 Ids(),
                                 13,
                                 {{kEndWidthList, kEndWidth},
                                  {kMiddleWidthList, kMiddleWidth},
                                  {kHeightList, kHeight},
                                  {kSecondList, kSecond}}},
                    Settings()) {}

void DuctUpDown::FillLists() {
  for (int id : {kEndWidthList, kMiddleWidthList, kHeightList, kSecondList}) FillSizeList(id);
}

void DuctUpDown::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select) {
    const std::string size = form().Text(id);
    if (id == kEndWidthList) form().SetText(kEndWidth, size);
    if (id == kMiddleWidthList) form().SetText(kMiddleWidth, size);
    if (id == kHeightList) form().SetText(kHeight, size);
    if (id == kSecondList) form().SetText(kSecond, size);
    const double w1 = Value(kEndWidth), w2 = Value(kMiddleWidth);
    if ((id == kEndWidthList || id == kMiddleWidthList) && w1 < w2) form().SetText(kOffset, FormatTenth((w2 - w1) / 2));
    Rebuild();
  } else if (what == ui::Notify::Click) {
    Rebuild();
  }
}

std::optional<std::string> DuctUpDown::InputError() const {
  if (Value(kOffset) < 0) return std::string("オフセット値にマイナスは入力できません。");
  if (StepSquare(Value(kHeight), Value(kSecond), Value(kThird)) < 0)
    return std::string("H・G・Cの寸法では段差部の長さが求まりません。寸法を確認してください。");
  return std::nullopt;
}

bool DuctUpDown::CheckBeforePlacing() { return !InputError(); }

double DuctUpDown::PreviewScale() const { return figure::RecordFitScale(figure(), 104, 80); }

void DuctUpDown::Build() {
  const double w1 = Value(kEndWidth), w2 = Value(kMiddleWidth);
  if (w1 == w2) form().SetText(kOffset, "0");
  if (auto error = InputError()) {
    Message(*error, "入力確認");
    return;
  }
  const double h = Value(kHeight), g = Value(kSecond);
  const double step = std::floor(std::sqrt(StepSquare(h, g, Value(kThird))) + 0.5);
  Run r;
  r.h = w1 / 2;
  r.yB = -Value(kOffset) - r.h;
  r.yT = w2 + r.yB;
  r.p = Value(kStraightU) + Value(kStraightV) + step;
  r.t = 2 * r.p + Value(kMiddle);
  r.bendH = 0.25 * h;
  r.bendG = 0.25 * g;
  r.m = common().frameMargin;
  r.f = common().flange;
  r.aw = common().angleWidth;
  r.equal = w1 == w2;
  const bool up = form().Checked(kUp);
  r.downBends = up ? kHidden : kBody;
  r.upBends = up ? kBody : kHidden;
  form().SetText(kStepLength, ui::FormatWhole(step));
  form().SetText(kTotal, FormatTenth(r.t));

  if (form().Checked(kAtStartA)) PlaceAt(placement(), {0, -r.h});
  if (form().Checked(kAtStep)) PlaceAt(placement(), {r.p, 0});
  if (form().Checked(kAtStepA)) PlaceAt(placement(), {r.p, r.yB});
  const bool both = form().Checked(kBothSides);
  Figure& f = fig();
  f.SetFrame((both ? r.t : r.p) + r.m, std::max(r.h, r.yT) + r.f, r.m, std::max(r.h, -r.yB) + r.f);
  SteppedPart(f, r, false);
  if (form().Checked(kFlange)) MiddleFlange(f, r);
  if (both) {
    SteppedPart(f, r, true);
    Draw(f, kBody, {r.t - (r.p - r.bendG), r.yT}, {r.p - r.bendG, r.yT});
    Draw(f, kBody, {r.t - (r.p - r.bendG), r.yB}, {r.p - r.bendG, r.yB});
  }
  SetStatus(kStatusSet);
}

}  // namespace duct
