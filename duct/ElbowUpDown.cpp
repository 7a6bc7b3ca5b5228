#include "duct/ElbowUpDown.h"

#include <algorithm>
#include <array>

#include "duct/FittingLayout.h"
#include "duct/VerticalOffset.h"
#include "figure/Preview.h"

namespace duct {
namespace {

using figure::Figure;
using figure::Vec;
using E = ElbowUpDown;

FittingIds Ids() {
  return {.update = E::kUpdate,
          .angle = E::kAngle,
          .rotation = {E::kRotation0, E::kRotation45, 1395, 1396, 1397, 1398, 1399, 1400},
          .mirror = E::kMirror,
          .currentLayer = E::kCurrentLayer,
          .anchor = E::kAnchor,
          .preview = E::kPreview,
          .status = E::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "エルボ上下：単独";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, E::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.Edit(E::kCollar, {146, 18, 22, 12}, ui::kCentred);
  l.Label(ui::kNoId, "S", {1, 71, 6, 10});
  l.Edit(E::kSectionWidth, {8, 70, 28, 12}, ui::kCentred);
  l.DropList(E::kSectionList, {4, 84, 36, 100});
  l.Label(ui::kNoId, "D", {46, 132, 6, 10});
  l.Edit(E::kDepth, {53, 131, 28, 12}, ui::kCentred);
  l.DropList(E::kDepthList, {49, 145, 36, 100});
  l.Label(ui::kNoId, "L", {115, 132, 6, 10});
  l.Edit(E::kRunLength, {121, 131, 26, 12}, ui::kCentred);
  l.Edit(E::kHalfB, {177, 60, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "B", {202, 61, 6, 10});
  l.Edit(E::kHalfA, {177, 83, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "A", {202, 84, 6, 10});
  l.Label(ui::kNoId, "巾", {212, 60, 24, 10}, ui::kCentred);
  l.Edit(E::kWidth, {212, 71, 24, 12}, ui::kCentred);
  l.DropList(E::kWidthList, {208, 85, 35, 100});
  l.Label(ui::kNoId, "高さ", {212, 102, 24, 10}, ui::kCentred);
  l.Edit(E::kHeight, {212, 113, 24, 12}, ui::kCentred);
  l.DropList(E::kHeightList, {208, 127, 35, 100});
  l.Edit(E::kSpare, {212, 140, 24, 12}, ui::kHidden);
  // The reference point: the section's centre or one of its corners.
  l.Radio(E::kAtCentre, "", {62, 72, 10, 10}, 4);
  l.Radio(E::kAtFarB, "", {36, 32, 10, 10}, 4);
  l.Radio(E::kAtNearB, "", {89, 32, 10, 10}, 4);
  l.Radio(E::kAtFarA, "", {36, 112, 10, 10}, 4);
  l.Radio(E::kAtNearA, "", {89, 112, 10, 10}, 4);

  l.Group("《形状》", {7, 165, 62, 46});
  l.Radio(E::kUp, "上がり", {14, 178, 48, 10}, 1);
  l.Radio(E::kDown, "下がり", {14, 193, 48, 10}, 1);
  l.Group("《断面記号》", {74, 165, 118, 46});
  for (int i = 0; i < 3; ++i) l.Radio(E::kSymbol1 + i, "", {84 + i * 36, 177, 28, 28}, 5, ui::kPushLike);
  l.Group("《基準内R》", {7, 216, 110, 28});
  l.Radio(E::kHalfRadius, "0.5R", {16, 229, 40, 10}, 2);
  l.Radio(E::kFullRadius, "1R", {64, 229, 40, 10}, 2);

  AddPreviewFrame(l, E::kPreview, {247, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(E::kDepth),
          TextLine(E::kSectionWidth),
          TextLine(E::kRunLength),
          TextLine(E::kSpare),
          TextLine(E::kWidth),
          TextLine(E::kHalfA),
          TextLine(E::kHalfB),
          TextLine(E::kAngle),
          TextLine(E::kCollar),
          ChoiceLine({E::kAtCentre, E::kAtFarB, E::kAtNearB, E::kAtFarA, E::kAtNearA}),
          ChoiceLine({E::kUp, E::kDown}),
          ChoiceLine({E::kSymbol1, E::kSymbol1 + 1, E::kSymbol1 + 2}),
          ChoiceLine({E::kHalfRadius, E::kFullRadius}),
          CheckLine(E::kMirror),
          CheckLine(E::kCurrentLayer),
          TextLine(E::kHeight)};
}

constexpr SplitWidth kSplit{E::kWidth, E::kHalfA, E::kHalfB};

// One side of the duct: sign +1 for the B side, -1 for the A side; half is
// B or A.
struct Side {
  double sign, half;
};

// The measures of one construction, in the fitting's frame: the origin at
// the section's centre, the duct end at +x.
struct Elbow {
  double d2, s;    // half the section's depth and width
  double xe, xt;   // the duct end and the start of the transition
  double a, b;     // the duct's parts either side of its centre line
  double f, aw;    // flange protrusion, angle width

  std::array<Side, 2> sides() const { return {Side{1, b}, Side{-1, a}}; }  // B side first
  Vec P(const Side& side) const { return {xt, side.sign * side.half}; }
  Vec Near(const Side& side) const { return {d2, side.sign * s}; }
  Vec Far(const Side& side) const { return {-d2, side.sign * s}; }
  // The flange square's edge on that side, from its far to its near corner.
  Vec FlangeFar(const Side& side) const { return {-d2 - f, side.sign * (s + f)}; }
  Vec FlangeNear(const Side& side) const { return {d2 + f, side.sign * (s + f)}; }
  bool Equal(const Side& side) const { return s == side.half; }
  bool Wider(const Side& side) const { return s > side.half; }  // the section is wider than the duct there
  // Where the line from P towards the near corner meets the flange square's near side.
  Vec X(const Side& side) const { return AtX(P(side), Near(side), d2 + f); }
};

void EndSides(Figure& f, const Elbow& e) {
  Draw(f, kBody, {e.xe, e.b}, {e.xt, e.b});
  Draw(f, kBody, {e.xe, -e.a}, {e.xt, -e.a});
}

void EndFlange(Figure& f, const Elbow& e) { Draw(f, kEndFlange, {e.xe, e.b + e.f}, {e.xe, -e.a - e.f}); }

void AngleLine(Figure& f, const Elbow& e) {
  if (e.aw != 0) Draw(f, kAngleLine, {e.xe - e.aw, e.b}, {e.xe - e.aw, -e.a});
}

void SectionSymbol(Figure& f, const Elbow& e, int symbol, Look look) {
  const double d2 = e.d2, s = e.s;
  if (symbol == 1) Draw(f, look, {-d2, s}, {d2, -s});
  if (symbol == 3) Draw(f, look, {0, 0}, {d2, -s});
  if (symbol >= 1) Draw(f, look, {d2, s}, {-d2, -s});
}

// Going up, the vertical duct lies above the horizontal one: everything is seen.
void BuildUp(Figure& f, const Elbow& e, int symbol) {
  const double d2 = e.d2, s = e.s, fl = e.f;
  EndSides(f, e);
  Draw(f, kBody, {-d2, s}, {d2, s});
  Draw(f, kBody, {d2, s}, {d2, -s});
  Draw(f, kBody, {d2, -s}, {-d2, -s});
  Draw(f, kBody, {-d2, -s}, {-d2, s});
  for (const Side& side : e.sides())
    if (e.Equal(side)) Draw(f, kBody, e.P(side), {d2 + fl, side.sign * s});
  for (const Side& side : e.sides()) {
    if (e.Equal(side)) continue;
    if (e.Wider(side)) {
      Draw(f, kHidden, e.P(side), e.Far(side));
    } else {
      Draw(f, kBody, e.P(side), AtY(e.P(side), e.Far(side), side.sign * (s + fl)));
    }
    Draw(f, kBody, e.P(side), e.X(side));
  }
  EndFlange(f, e);
  Draw(f, kBody, {-d2 - fl, -s - fl}, {-d2 - fl, s + fl});
  Draw(f, kBody, {-d2 - fl, s + fl}, {d2 + fl, s + fl});
  Draw(f, kBody, {d2 + fl, s + fl}, {d2 + fl, -s - fl});
  Draw(f, kBody, {d2 + fl, -s - fl}, {-d2 - fl, -s - fl});
  AngleLine(f, e);
  SectionSymbol(f, e, symbol, kBody);
}

// Going down, the vertical duct lies below the horizontal one, which hides
// the section's near side, the section symbol and, where the section is
// narrower than the duct, the section's side and the transition's end.
void BuildDown(Figure& f, const Elbow& e, int symbol) {
  const double d2 = e.d2, s = e.s, fl = e.f;
  const Side sideB = e.sides()[0], sideA = e.sides()[1];
  EndSides(f, e);
  Draw(f, !e.Equal(sideB) && !e.Wider(sideB) ? kHidden : kBody, {-d2, s}, {d2, s});
  Draw(f, kHidden, {d2, s}, {d2, -s});
  Draw(f, !e.Equal(sideA) && !e.Wider(sideA) ? kHidden : kBody, {d2, -s}, {-d2, -s});
  Draw(f, kBody, {-d2, -s}, {-d2, s});
  for (const Side& side : e.sides())
    if (e.Equal(side)) Draw(f, kBody, e.P(side), e.Near(side));
  for (const Side& side : e.sides()) {
    if (e.Equal(side)) continue;
    if (e.Wider(side)) {
      Draw(f, kBody, e.FlangeFar(side), e.FlangeNear(side));
      Draw(f, kBody, e.Far(side), e.P(side));
      Draw(f, kBody, e.FlangeNear(side), e.X(side));
      Draw(f, kBody, e.P(side), e.Near(side));
    } else {
      Draw(f, kBody, e.Far(side), e.P(side));
      Draw(f, kBody, e.FlangeFar(side), AtY(e.Far(side), e.P(side), side.sign * (s + fl)));
      Draw(f, kHidden, e.P(side), e.Near(side));
    }
  }
  EndFlange(f, e);
  Draw(f, kBody, {-d2 - fl, -s - fl}, {-d2 - fl, s + fl});
  if (e.Equal(sideB)) {
    Draw(f, kBody, {-d2 - fl, s + fl}, {d2 + fl, s + fl});
    Draw(f, kBody, {d2 + fl, s + fl}, {d2 + fl, s});
  }
  if (e.Equal(sideA)) {
    Draw(f, kBody, {d2 + fl, -s}, {d2 + fl, -s - fl});
    Draw(f, kBody, {d2 + fl, -s - fl}, {-d2 - fl, -s - fl});
  }
  AngleLine(f, e);
  SectionSymbol(f, e, symbol, kHidden);
}

}  // namespace

ElbowUpDown::ElbowUpDown(ui::Env env)
    : FittingDialog(
          env, MakeLayout(),
          FittingSetup{
              "Jyoge.tec",
              "Jyoge.ini",
              {8, 129, 86},
              3,
              kStatusSet,
              Ids(),
              0,
              {{kWidthList, kWidth}, {kHeightList, kHeight}, {kDepthList, kDepth}, {kSectionList, kSectionWidth}}},
          Settings()) {}

void ElbowUpDown::OnInit() {
  SetSectionIcons(form(), kSymbol1);
  FittingDialog::OnInit();
  SetStatus(kStatusSet);
}

void ElbowUpDown::FillLists() {
  for (int id : {kWidthList, kHeightList, kDepthList, kSectionList}) FillSizeList(id);
}

void ElbowUpDown::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Focus && (id == kHalfA || id == kHalfB)) {
    activeHalf_ = id;
  } else if (what == ui::Notify::Change) {
    if (writing_) return;
    if (id == kWidth) SplitEvenly(form(), kSplit);
    else if (id == activeHalf_) TakeTheRest(form(), kSplit, id);
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select) {
    const std::string size = form().Text(id);
    if (id == kWidthList) form().SetText(kWidth, size);
    if (id == kHeightList) form().SetText(kHeight, size);
    if (id == kHeightList || id == kDepthList) form().SetText(kDepth, size);
    if (id == kWidthList || id == kSectionList) form().SetText(kSectionWidth, size);
    Rebuild();
  } else if (what == ui::Notify::Click) {
    Rebuild();  // shape, section symbol, standard radius, reference point
  }
}

void ElbowUpDown::Update() {
  Rebuild();
  SetStatus(kStatusSet);
}

// L := max(D, H) × k + c, as a whole number; the constructions read it back.
void ElbowUpDown::ApplyRunLength() {
  const double k = form().Checked(kFullRadius) ? 1.0 : 0.5;
  writing_ = true;
  SetWhole(kRunLength, std::max(Value(kDepth), Value(kHeight)) * k + Value(kCollar));
  writing_ = false;
}

double ElbowUpDown::PreviewScale() const { return figure::RecordFitScale(figure(), 104, 80); }

std::optional<std::string> ElbowUpDown::DrawNamePrefix() const {
  static const char* prefixes[] = {"Z_", "EU_", "ES_", "ED_"};
  return prefixes[CheckedSymbol(form(), kSymbol1)];
}

void ElbowUpDown::Build() {
  ApplyRunLength();
  const bool up = form().Checked(kUp);
  if (!up && !form().Checked(kDown)) return;
  Elbow e;
  e.d2 = Value(kDepth) / 2;
  e.s = Value(kSectionWidth) / 2;
  e.xe = e.d2 + Value(kRunLength);
  e.xt = e.xe - Value(kCollar);
  e.a = Value(kHalfA);
  e.b = Value(kHalfB);
  e.f = common().flange;
  e.aw = common().angleWidth;
  if (form().Checked(kAtFarB)) PlaceAt(placement(), {-e.d2, e.s});
  if (form().Checked(kAtNearB)) PlaceAt(placement(), {e.d2, e.s});
  if (form().Checked(kAtFarA)) PlaceAt(placement(), {-e.d2, -e.s});
  if (form().Checked(kAtNearA)) PlaceAt(placement(), {e.d2, -e.s});
  fig().SetFrame(e.xe + common().frameMargin, e.s, e.d2, e.s);
  const int symbol = CheckedSymbol(form(), kSymbol1);
  if (up) BuildUp(fig(), e, symbol);
  else BuildDown(fig(), e, symbol);
}

}  // namespace duct
