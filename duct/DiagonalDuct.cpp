#include "duct/DiagonalDuct.h"

#include <cmath>

#include "duct/FittingLayout.h"
#include "duct/VerticalOffset.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"
#include "ui/Text.h"

namespace duct {
namespace {

using figure::Figure;
using D = DiagonalDuct;

FittingIds Ids() {
  return {.place = D::kPlace,
          .update = D::kUpdate,
          .angle = D::kAngle,
          .rotation = figure::RotationIds(D::kRotation0),
          .mirror = D::kMirror,
          .currentLayer = D::kCurrentLayer,
          .anchor = D::kAnchor,
          .preview = D::kPreview,
          .status = D::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "振り上げダクト作図";
  l.width = 410;
  l.height = 300;
  AddGuideAnchor(l, D::kAnchor, {7, 7});
  // The plan sketch.
  l.Edit(D::kStartStraight, {39, 9, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "※R開始位置", {67, 10, 50, 10});
  l.Edit(D::kProtrusion, {95, 21, 22, 12}, ui::kCentred);
  l.Label(ui::kNoId, "E", {118, 22, 6, 10});
  l.Label(ui::kNoId, "W", {18, 35, 8, 10});
  l.Edit(D::kWidth, {10, 45, 24, 12}, ui::kCentred);
  l.DropList(D::kWidthList, {6, 59, 35, 100});
  for (int i = 0; i < 3; ++i) {
    static const int y[] = {29, 46, 62};
    l.Radio(D::kAtStartB + i, "", {32, y[i], 10, 10}, 6);
    l.Radio(D::kAtEndB + i, "", {196, y[i], 10, 10}, 6);
  }
  for (int i = 0; i < 4; ++i) l.Radio(D::kSpareAt + i, "", {210, 29 + 12 * i, 10, 10}, 6, ui::kHidden);
  // The side sketch.
  l.Edit(D::kEndStraight, {166, 95, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "※R開始位置", {116, 96, 50, 10});
  l.Label(ui::kNoId, "H", {18, 149, 8, 10});
  l.Edit(D::kHeight, {10, 159, 24, 12}, ui::kCentred);
  l.DropList(D::kHeightList, {6, 173, 35, 100});
  l.Label(ui::kNoId, "振り高", {202, 133, 30, 10});
  l.Edit(D::kRise, {202, 145, 26, 12}, ui::kCentred);
  l.Edit(D::kSlope, {105, 160, 24, 12}, ui::kCentred);
  l.DropList(D::kSlopeList, {131, 160, 30, 100});
  l.Label(ui::kNoId, "振り角度", {163, 162, 36, 10});
  l.Label(ui::kNoId, "全長=", {79, 187, 24, 10});
  l.Edit(D::kTotal, {103, 185, 32, 12}, ui::kCentred);
  l.Label(ui::kNoId, "（10mm刻み）", {137, 187, 54, 10});

  l.Group("《作図基準》", {7, 206, 74, 42});
  l.Radio(D::kByAngle, "角度指定", {14, 219, 60, 10}, 1);
  l.Radio(D::kByLength, "全長指定", {14, 233, 60, 10}, 1);
  l.Group("《基準内R》", {86, 206, 60, 42});
  l.Radio(D::kHalfRadius, "0.5R", {93, 219, 46, 10}, 2);
  l.Radio(D::kFullRadius, "1.0R", {93, 233, 46, 10}, 2);
  l.Group("《平面作図設定》", {7, 252, 190, 40});
  l.Check(D::kUpperFlange, "上フランジ作図有", {14, 264, 84, 10});
  l.Check(D::kLowerFlange, "下フランジ作図有", {104, 264, 84, 10});
  l.Check(D::kHiddenLines, "隠れ線作図有", {14, 278, 84, 10});
  l.Radio(D::kPlan, "平面", {156, 219, 34, 10}, 4, ui::kHidden);
  l.Radio(D::kSide, "側面", {156, 233, 34, 10}, 4, ui::kHidden);

  AddPreviewFrame(l, D::kPreview, {247, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  l.Label(ui::kNoId,
          "※振り高さがダクト高さ以上を目安に\n設定してください。小さい場合は\n「アップダウン」コマンドで作図してください。",
          {233, 264, 170, 28}, ui::kMultiline);
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(D::kWidth),
          TextLine(D::kHeight),
          TextLine(D::kRise),
          TextLine(D::kProtrusion),
          TextLine(D::kTotal),
          TextLine(D::kStartStraight),
          TextLine(D::kEndStraight),
          TextLine(D::kSlope),
          ChoiceLine({D::kByAngle, D::kByLength}),
          ChoiceLine({D::kHalfRadius, D::kFullRadius}),
          CheckLine(D::kUpperFlange),
          CheckLine(D::kLowerFlange),
          CheckLine(D::kHiddenLines),
          ChoiceLine({D::kAtStartB, D::kAtStartB + 1, D::kAtStartB + 2, D::kAtEndB, D::kAtEndB + 1, D::kAtEndB + 2,
                      D::kSpareAt, D::kSpareAt + 1, D::kSpareAt + 2, D::kSpareAt + 3}),
          ChoiceLine({D::kPlan, D::kSide}),
          TextLine(D::kAngle),
          CheckLine(D::kCurrentLayer),
          CheckLine(D::kMirror)};
}

// A length cut to a whole number and rounded to ten by its units digit
// (907 -> 910, 904 -> 900).
double RoundToTen(double length) {
  const double whole = ui::Whole(length);
  const double units = std::fmod(whole, 10);
  return units >= 5 ? whole - units + 10 : whole - units;
}

// One bend flange: the line across the duct at x, the far edge at xFar, the
// plate standing out by e around them, and the hidden edges of the slope.
void BendFlange(Figure& f, double x, double xFar, double h, double e, bool hidden) {
  Draw(f, kBody, {xFar + e, -(h + e)}, {x - e, -(h + e)});
  Draw(f, kBody, {x - e, -(h + e)}, {x - e, h + e});
  Draw(f, kBody, {x - e, h + e}, {xFar + e, h + e});
  Draw(f, kBody, {x, -h}, {x, h});
  if (!hidden) return;
  Draw(f, kHidden, {xFar, -h}, {xFar, h});
  Draw(f, kHidden, {xFar, h}, {x, -h});
}

}  // namespace

DiagonalDuct::DiagonalDuct(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Furiage.tec",
                                 "Furiage.ini",
                                 {5, 80, 45},
                                 3,
                                 kStatusSet,
                                 Ids(),
                                 0,
                                 {{kWidthList, kWidth}, {kHeightList, kHeight}, {kSlopeList, kSlope}}},
                    Settings()) {}

void DiagonalDuct::FillLists() {
  FillSizeList(kWidthList);
  FillSizeList(kHeightList);
  for (const char* slope : {"15", "30", "45", "60"}) form().AddItem(kSlopeList, slope);
}

void DiagonalDuct::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select) {
    const int box = id == kWidthList ? kWidth : id == kHeightList ? kHeight : kSlope;
    form().SetText(box, form().Text(id));
    Rebuild();
  } else if (what == ui::Notify::Click) {
    Rebuild();
  }
}

void DiagonalDuct::Update() {
  SetAngle(Value(kAngle));
  Rebuild();
}

double DiagonalDuct::PlanLength(double slope) const {
  const double h = Value(kHeight);
  const double inner = (form().Checked(kFullRadius) ? 1.0 : 0.5) * h, outer = h + inner;
  const double a = slope * figure::kRadiansPerDegree;
  return Value(kStartStraight) + inner * std::sin(a) + Value(kEndStraight) + outer * std::sin(a) +
         (Value(kRise) - inner * (1 - std::cos(a)) - outer * (1 - std::cos(a))) / std::tan(a);
}

// "全長指定": the slope, in steps of 0.1°, whose plan length comes closest to
// the total length typed (within 1 mm stops the search; 45° when no step
// comes within 1000 mm).
void DiagonalDuct::FindSlope() {
  const double total = Value(kTotal);
  double slope = 45, gap = 1000;
  for (int tenths = 1; tenths < 900 && gap >= 1; ++tenths) {
    const double d = std::fabs(PlanLength(tenths / 10.0) - total);
    if (d < gap) {
      slope = tenths / 10.0;
      gap = d;
    }
  }
  form().SetText(kSlope, FormatTenth(slope));
}

// A typed slope must lie strictly between 0 and 90 degrees: at 0 the duct
// never rises and the plan length has no value.
std::optional<std::string> DiagonalDuct::InputError() const {
  const double slope = Value(kSlope);
  if (form().Checked(kByAngle) && !(slope > 0 && slope < 90))
    return std::string("振り角度は0より大きく90より小さい値を入力してください。");
  return std::nullopt;
}

bool DiagonalDuct::CheckBeforePlacing() { return !InputError(); }

double DiagonalDuct::PreviewScale() const { return figure::RecordFitScale(figure(), 104, 80); }

void DiagonalDuct::Build() {
  if (!form().Checked(kByAngle) && !form().Checked(kByLength)) return;
  if (auto error = InputError()) {
    Message(*error, "入力確認");
    return;
  }
  if (form().Checked(kByLength)) FindSlope();
  const double slope = Value(kSlope), l = RoundToTen(PlanLength(slope));
  form().SetText(kTotal, FormatTenth(l));
  SetStatus(kStatusSet);

  const double h = Value(kWidth) / 2, e = Value(kProtrusion);
  const double inPlan = Value(kHeight) * std::sin(slope * figure::kRadiansPerDegree);  // the duct height seen in plan
  const double x1 = Value(kStartStraight) + 0.5 * inPlan, x1Far = Value(kStartStraight) + 1.5 * inPlan;
  const double x2 = l - Value(kEndStraight) - 1.5 * inPlan, x2Far = l - Value(kEndStraight) - 0.5 * inPlan;
  const double fl = common().flange, m = common().frameMargin, aw = common().angleWidth;
  for (int i = 0; i < 3; ++i) {
    const double y = h * (1 - i);
    if (form().Checked(kAtStartB + i)) PlaceAt(placement(), {0, y});
    if (form().Checked(kAtEndB + i)) PlaceAt(placement(), {l, y});
  }
  Figure& f = fig();
  f.SetFrame(l, h + fl, m, h + fl);
  for (double y : {h, -h}) Draw(f, kBody, {-m, y}, {0, y});
  for (double y : {h, -h}) Draw(f, kBody, {l, y}, {l + m, y});
  Draw(f, kAngleLine, {aw, h}, {aw, -h});
  Draw(f, kAngleLine, {l - aw, h}, {l - aw, -h});
  Draw(f, kEndFlange, {0, h + fl}, {0, -(h + fl)});
  Draw(f, kEndFlange, {l, h + fl}, {l, -(h + fl)});
  const bool upper = form().Checked(kUpperFlange), lower = form().Checked(kLowerFlange);
  const bool hidden = form().Checked(kHiddenLines);
  if (upper) BendFlange(f, x2, x2Far, h, e, hidden);
  if (lower) BendFlange(f, x1, x1Far, h, e, hidden);
  // The duct sides, interrupted by the plates drawn.
  for (double y : {h, -h}) {
    double from = 0;
    if (lower) {
      Draw(f, kBody, {from, y}, {x1 - e, y});
      from = x1;
    }
    if (upper) {
      Draw(f, kBody, {from, y}, {x2 - e, y});
      from = x2;
    }
    Draw(f, kBody, {from, y}, {l, y});
  }
}

}  // namespace duct
