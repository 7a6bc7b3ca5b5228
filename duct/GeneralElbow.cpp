#include "duct/GeneralElbow.h"

#include <cmath>

#include "duct/ElbowFrame.h"
#include "duct/FittingLayout.h"
#include "figure/Preview.h"

namespace duct {
namespace {

using figure::kAngleLine;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kRadiansPerDegree;
using figure::kSolid;
using figure::Vec;
using E = GeneralElbow;

FittingIds Ids() {
  FittingIds ids;
  ids.update = E::kUpdate;
  ids.angle = E::kAngle;
  ids.rotation = {E::kRotation0, E::kRotation45, E::kRotation90, E::kRotation90 + 1,
                  E::kRotation90 + 2, E::kRotation90 + 3, E::kRotation90 + 4, E::kRotation90 + 5};
  ids.mirror = E::kMirror;
  ids.currentLayer = E::kCurrentLayer;
  ids.anchor = E::kAnchor;
  ids.preview = E::kPreview;
  ids.status = E::kStatus;
  return ids;
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "エルボ：一般両エルボ";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, E::kAnchor, {7, 7});
  // Below the elbow: W1 | R | L2; beside it: W2 | R | L1.
  l.Edit(E::kUpstreamWidth, {42, 147, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W1", {42, 160, 24, 10}, ui::kCentred);
  l.Edit(E::kRadius, {76, 147, 22, 12}, ui::kCentred);
  l.Label(ui::kNoId, "R", {76, 160, 22, 10}, ui::kCentred);
  l.Edit(E::kDownstreamLength, {127, 147, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "L2", {127, 160, 24, 10}, ui::kCentred);
  l.Edit(E::kDownstreamWidth, {182, 38, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W2", {208, 40, 14, 10});
  l.Edit(E::kRadiusCopy, {182, 71, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "R", {208, 73, 14, 10});
  l.Edit(E::kUpstreamLength, {182, 109, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "L1", {208, 111, 14, 10});
  l.Label(ui::kNoId, "θ", {119, 103, 8, 10});
  l.Edit(E::kElbowAngle, {129, 101, 24, 12}, ui::kCentred);
  l.DropList(E::kElbowAngles, {126, 116, 30, 100});
  l.Edit(E::kSpare, {160, 150, 24, 12}, ui::kHidden);
  l.Radio(E::kOuterPoint, "", {29, 19, 10, 10}, 2);
  l.Radio(E::kCentrePoint, "", {49, 39, 10, 10}, 2);
  l.Radio(E::kInnerPoint, "", {69, 59, 10, 10}, 2);

  l.Group("《サイズ》", {7, 176, 104, 46});
  l.Label(ui::kNoId, "元管巾", {14, 190, 30, 10});
  l.DropList(E::kUpstreamSizes, {46, 188, 56, 120});
  l.Label(ui::kNoId, "先管巾", {14, 206, 30, 10});
  l.DropList(E::kDownstreamSizes, {46, 204, 56, 120});
  l.Group("《基準内R》", {118, 176, 56, 46});
  l.Radio(E::kHalfRadius, "0.5R", {126, 190, 40, 10}, 1);
  l.Radio(E::kFullRadius, "1.0R", {126, 206, 40, 10}, 1);
  l.Check(E::kOuterSquare, "外角", {182, 190, 40, 10});
  l.Check(E::kInnerSquare, "内角", {182, 206, 40, 10});
  l.Button(E::kNormal90, "ノーマル90°", {7, 230, 70, 16});

  AddPreviewFrame(l, E::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(E::kUpstreamWidth),
          TextLine(E::kRadius),
          TextLine(E::kDownstreamWidth),
          TextLine(E::kRadiusCopy),
          TextLine(E::kDownstreamLength),
          TextLine(E::kSpare),
          TextLine(E::kAngle),
          TextLine(E::kElbowAngle),
          ChoiceLine({E::kOuterPoint, E::kCentrePoint, E::kInnerPoint}),
          ChoiceLine({E::kHalfRadius, E::kFullRadius}),
          CheckLine(E::kMirror),
          CheckLine(E::kCurrentLayer),
          TextLine(E::kUpstreamLength),
          CheckLine(E::kOuterSquare),
          CheckLine(E::kInnerSquare)};
}

// The elbow as the boxes give it, in the frame of the crossing of the two
// centre lines: the upstream leg along −y, the downstream leg leaving the
// origin at 90° − θ.
struct Elbow {
  double w1, w2, r, rCopy, theta, l1, l2;
  bool outerSquare, innerSquare;
  ElbowPoint point;
  settings::CommonLengths common;

  double Sin() const { return std::sin(theta * kRadiansPerDegree); }
  double Cos() const { return std::cos(theta * kRadiansPerDegree); }
  // From the crossing of the centre lines to the start of the bend.
  double Tangent() const { return (r + w1 / 2) * std::tan(theta / 2 * kRadiansPerDegree); }
  // How far a reducing elbow's inner bend moves up the upstream leg.
  double Shift() const { return (w1 - w2) / (2 * Sin()); }
  // Where the outer sides of the two legs meet.
  Vec OuterCorner() const { return {-w1 / 2, (w2 - w1 * Cos()) / (2 * Sin())}; }
  // A point of the downstream leg: u along it from the origin, v to its left
  // (towards the outer side).
  Vec Leg(double u, double v) const { return {u * Sin() - v * Cos(), u * Cos() + v * Sin()}; }
  // How far along the downstream leg a point lies.
  double Along(Vec p) const { return p.x * Sin() + p.y * Cos(); }
};

// The line records of one construction. The reducing elbow's lines have
// always been computed in a frame shifted by −shift in y, which the
// placement's extra line offset puts back.
struct Lines {
  figure::Figure& f;
  double shift = 0;
  void operator()(int slot, Vec a, Vec b) const { f.AddLineRecord(kSolid, slot, a.x, a.y - shift, b.x, b.y - shift); }
};

Vec Opposite(Vec v) { return {-v.x, -v.y}; }

double Direction(Vec from, Vec to) { return figure::VectorAngle(from.x, from.y, to.x, to.y); }

// A square corner: the lines from `first` and from `second` to the corner.
void AddSquareCorner(const Lines& line, Vec first, Vec second, Vec corner) {
  line(kDuct, first, corner);
  line(kDuct, second, corner);
}

// The flanges and angle lines of a slanted elbow: the downstream end at
// u = down, the upstream end on y = −up.
void AddLegEnds(const Lines& line, const Elbow& e, double down, double up) {
  const double w1 = e.w1 / 2, w2 = e.w2 / 2, fl = e.common.flange, a = e.common.angleWidth;
  line(kFlangeLine, e.Leg(down, w2 + fl), e.Leg(down, -(w2 + fl)));
  line(kFlangeLine, {-(w1 + fl), -up}, {w1 + fl, -up});
  if (a == 0) return;
  line(kAngleLine, e.Leg(down - a, w2), e.Leg(down - a, -w2));
  line(kAngleLine, {-w1, -up + a}, {w1, -up + a});
}

void BuildRightAngle(figure::Figure& f, const Elbow& e) {
  const double w1 = e.w1 / 2, w2 = e.w2 / 2, m = e.common.frameMargin;
  PlaceElbowPoint(f.placement, e.point, {-w1, w2});
  const double down = e.r + w1 + e.l2, up = e.rCopy + e.l1 + w2, bend = e.rCopy + w2;
  f.SetFrame(down + m, up + m, w1, w2);
  const RightElbowLegs legs{e.w1, e.w2, down, up};
  AddFlangedEnds(f, legs, e.common);
  AddStraightSides(f, legs, e.r + e.w2 - w1, e.r + w1, bend);
  if (!e.innerSquare) f.AddArcRecord(kSolid, kDuct, e.r + w1, -(e.r + w2), e.r, 90, 180);
  if (!e.outerSquare) f.AddArcRecord(kSolid, kDuct, e.r + e.w2 - w1, -(e.r + w2), e.r + e.w2, 90, 180);
  const Lines line{f};
  if (e.outerSquare) AddSquareCorner(line, {-w1, -bend}, {e.r + w1, w2}, {-w1, w2});
  if (e.innerSquare) AddSquareCorner(line, {w1, -bend}, {e.r + w1, -w2}, {w1, -w2});
}

void BuildEqualWidth(figure::Figure& f, const Elbow& e) {
  const double w = e.w1 / 2, t = e.Tangent(), down = t + e.l2, up = t + e.l1, m = e.common.frameMargin;
  const Vec outerCorner = e.OuterCorner();
  PlaceElbowPoint(f.placement, e.point, outerCorner);
  f.SetFrame(down + m, up + m, w, w);
  const Lines line{f};
  // The sides run on beyond the flanges by the frame margin.
  line(kDuct, e.Leg(down, w), e.Leg(down + m, w));
  line(kDuct, e.Leg(down, -w), e.Leg(down + m, -w));
  line(kDuct, {-w, -up}, {-w, -(up + m)});
  line(kDuct, {w, -up}, {w, -(up + m)});
  AddLegEnds(line, e, down, up);
  line(kDuct, e.Leg(down, w), e.Leg(t, w));
  line(kDuct, e.Leg(down, -w), e.Leg(t, -w));
  line(kDuct, {w, -up}, {w, -t});
  line(kDuct, {-w, -up}, {-w, -t});
  const Vec centre{e.r + w, -t};
  if (!e.innerSquare) f.AddArcRecord(kSolid, kDuct, centre.x, centre.y, e.r, Direction(centre, e.Leg(t, -w)), 180);
  if (!e.outerSquare)
    f.AddArcRecord(kSolid, kDuct, centre.x, centre.y, e.r + e.w1, Direction(centre, e.Leg(t, w)), 180);
  if (e.innerSquare) AddSquareCorner(line, e.Leg(t, -w), {w, -up}, Opposite(outerCorner));
  if (e.outerSquare) AddSquareCorner(line, e.Leg(t, w), {-w, -up}, outerCorner);
}

// The inner sides of both legs meet the inner arc; the difference of the
// widths is taken up on the outer side.
void BuildReducing(figure::Figure& f, const Elbow& e) {
  const double w1 = e.w1 / 2, w2 = e.w2 / 2, t = e.Tangent(), s = e.Shift(), m = e.common.frameMargin;
  const double bend = t + s * e.Cos(), down = t + e.l2 + s * e.Cos(), up = t + e.l1;
  const Vec outerCorner = e.OuterCorner();
  PlaceElbowPoint(f.placement, e.point, outerCorner);
  f.placement.lineOffsetY = s;
  f.SetFrame(t + e.l2 + m, up + m, w1, w2);
  const Lines line{f, s};
  AddLegEnds(line, e, down, up);
  line(kDuct, e.Leg(down, -w2), e.Leg(bend, -w2));
  line(kDuct, {w1, -up}, {w1, -t + s});
  line(kDuct, {-w1, -up}, {-w1, -t});
  const Vec inner{e.r + w1, -t + s}, outer{e.r + e.w2 - w1, -t};
  const double start = Direction(inner, e.Leg(bend, -w2)), outerRadius = e.r + e.w2;
  if (!e.innerSquare) f.AddArcRecord(kSolid, kDuct, inner.x, inner.y, e.r, start, 180);
  if (!e.outerSquare) f.AddArcRecord(kSolid, kDuct, outer.x, outer.y, outerRadius, start, 180);
  // The downstream outer side ends level with the outer arc's end. Unless
  // the widths meet at 60°, the arc ends off the side: a short line closes
  // the outline there.
  const Vec arcEnd{outer.x + outerRadius * std::cos(start * kRadiansPerDegree),
                   outer.y + outerRadius * std::sin(start * kRadiansPerDegree)};
  const Vec sideEnd = e.Leg(e.Along(arcEnd), w2);
  line(kDuct, e.Leg(down, w2), sideEnd);
  if (!e.outerSquare && std::hypot(arcEnd.x - sideEnd.x, arcEnd.y - sideEnd.y) > 1e-6) line(kDuct, sideEnd, arcEnd);
  if (e.innerSquare) AddSquareCorner(line, e.Leg(bend, -w2), {w1, -t + s}, Opposite(outerCorner));
  if (e.outerSquare) AddSquareCorner(line, e.Leg(down, w2), {-w1, -up}, outerCorner);
}

}  // namespace

GeneralElbow::GeneralElbow(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Erbo.tec",
                                 "Erbo.ini",
                                 {7, 110, 100},
                                 3,
                                 kStatusStale,
                                 Ids(),
                                 0,
                                 {{E::kElbowAngles, E::kElbowAngle},
                                  {E::kUpstreamSizes, E::kUpstreamWidth},
                                  {E::kDownstreamSizes, E::kDownstreamWidth}}},
                    Settings()) {}

void GeneralElbow::FillLists() {
  FillSizeList(kUpstreamSizes);
  FillSizeList(kDownstreamSizes);
  form().SetItems(kElbowAngles, {"15", "30", "45", "60", "75", "90"});
}

void GeneralElbow::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Focus && (id == kRadius || id == kRadiusCopy)) {
    activeRadius_ = id;
  } else if (what == ui::Notify::Change && id == activeRadius_) {
    // The two radius boxes show one radius: the one being typed in leads.
    form().SetText(id == kRadius ? kRadiusCopy : kRadius, form().Text(id));
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Change &&
             (id == kDownstreamLength || id == kUpstreamLength || id == kElbowAngle || id == kSpare)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select && id == kUpstreamSizes) {
    form().SetText(kUpstreamWidth, form().Text(id));
    form().SetText(kDownstreamWidth, form().Text(id));
    SetStandardRadius();
    Rebuild();
  } else if (what == ui::Notify::Select && (id == kDownstreamSizes || id == kElbowAngles)) {
    form().SetText(id == kDownstreamSizes ? kDownstreamWidth : kElbowAngle, form().Text(id));
    Rebuild();
  } else if (what == ui::Notify::Click && (id == kHalfRadius || id == kFullRadius)) {
    SetStandardRadius();
    Rebuild();
  } else if (what == ui::Notify::Click && id == kNormal90) {
    form().SetText(kDownstreamWidth, form().Text(kUpstreamWidth));
    form().SetText(kElbowAngle, "90");
    form().SetChecked(kMirror, false);
    SetStandardRadius();
    Rebuild();
  } else if (what == ui::Notify::Click && (id == kOuterPoint || id == kCentrePoint || id == kInnerPoint ||
                                           id == kOuterSquare || id == kInnerSquare)) {
    Rebuild();
  }
}

// R as the checked fraction of W1, into both radius boxes.
void GeneralElbow::SetStandardRadius() {
  activeRadius_ = ui::kNoId;
  if (!form().Checked(kHalfRadius) && !form().Checked(kFullRadius)) return;
  const double r = Value(kUpstreamWidth) * (form().Checked(kHalfRadius) ? 0.5 : 1.0);
  SetWhole(kRadius, r);
  SetWhole(kRadiusCopy, r);
}

void GeneralElbow::Update() {
  if (Value(kDownstreamWidth) > Value(kUpstreamWidth)) {
    Message("先管巾は元管巾以下にしてください。", "入力確認");
    return;
  }
  Rebuild();
}

// An elbow of 0° has no figure, and from 180° on the bend has no tangent
// length: neither is placed.
bool GeneralElbow::CheckBeforePlacing() {
  const double theta = Value(kElbowAngle);
  if (theta > 0 && theta < 180) return true;
  Message("エルボ角度θは0°より大きく180°より小さくしてください。", "入力確認");
  return false;
}

double GeneralElbow::PreviewScale() const { return figure::ExtentFitScale(figure(), angle() == 0 ? 85 : 60); }

void GeneralElbow::Build() {
  SetStatus(kStatusSet);
  const Elbow e{Value(kUpstreamWidth), Value(kDownstreamWidth), Value(kRadius),       Value(kRadiusCopy),
                Value(kElbowAngle),    Value(kUpstreamLength),  Value(kDownstreamLength),
                form().Checked(kOuterSquare), form().Checked(kInnerSquare),
                CheckedElbowPoint(form(), kOuterPoint, kInnerPoint), common()};
  if (e.theta == 90) BuildRightAngle(fig(), e);
  else if (e.theta != 0 && form().Text(kUpstreamWidth) != form().Text(kDownstreamWidth)) BuildReducing(fig(), e);
  else if (e.theta != 0) BuildEqualWidth(fig(), e);
}

}  // namespace duct
