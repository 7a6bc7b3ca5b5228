#include "duct/ElbowUpDownRun.h"

#include <algorithm>
#include <array>
#include <optional>

#include "duct/FittingLayout.h"
#include "duct/VerticalOffset.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"

namespace duct {
namespace {

using figure::Figure;
using figure::Vec;
using R = ElbowUpDownRun;

FittingIds Ids() {
  return {.place = R::kPlace,
          .update = R::kUpdate,
          .angle = R::kAngle,
          .rotation = figure::RotationIds(R::kRotation0),
          .mirror = R::kMirror,
          .currentLayer = R::kCurrentLayer,
          .anchor = R::kAnchor,
          .preview = R::kPreview,
          .status = R::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "エルボ上下：連続";
  l.width = 425;
  l.height = 305;
  AddGuideAnchor(l, R::kAnchor, {7, 7});
  // The computed lengths above the sketch.
  l.Label(R::kLengthUp, "-", {67, 39, 24, 10}, ui::kCentred);
  l.Label(R::kLengthRiser, "-", {112, 39, 24, 10}, ui::kCentred);
  l.Label(R::kLengthDown, "-", {157, 39, 24, 10}, ui::kCentred);
  l.Label(R::kLengthL, "-", {82, 127, 24, 10}, ui::kCentred);
  // The straight shape's upstream duct at the left.
  l.Label(ui::kNoId, "元管", {12, 56, 24, 10}, ui::kCentred);
  l.Edit(R::kWidth, {12, 78, 24, 12}, ui::kCentred);
  l.DropList(R::kWidthList, {8, 92, 35, 100});
  l.Label(ui::kNoId, "高", {12, 108, 24, 10}, ui::kCentred);
  l.Edit(R::kHeight, {12, 118, 24, 12}, ui::kCentred);
  l.DropList(R::kHeightList, {8, 132, 35, 100});
  // The downstream duct at the right.
  l.Edit(R::kHalfA, {201, 70, 24, 12}, ui::kCentred);
  l.Edit(R::kHalfB, {201, 86, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "先管", {227, 56, 24, 10}, ui::kCentred);
  l.Edit(R::kDownWidth, {227, 78, 24, 12}, ui::kCentred);
  l.DropList(R::kDownWidthList, {223, 92, 35, 100});
  l.Label(ui::kNoId, "高", {227, 108, 24, 10}, ui::kCentred);
  l.Edit(R::kDownHeight, {227, 118, 24, 12}, ui::kCentred);
  l.DropList(R::kDownHeightList, {223, 132, 35, 100});
  l.Label(ui::kNoId, "E", {189, 112, 6, 10});
  l.Edit(R::kStraightLength, {164, 111, 24, 12}, ui::kCentred);
  // The L-shape's upstream duct below.
  l.Label(ui::kNoId, "元管", {84, 172, 24, 10}, ui::kCentred);
  l.Edit(R::kLWidth, {112, 171, 24, 12}, ui::kCentred);
  l.DropList(R::kLWidthList, {108, 185, 35, 100});
  l.Label(ui::kNoId, "高", {140, 172, 8, 10});
  l.Edit(R::kLHeight, {150, 171, 24, 12}, ui::kCentred);
  l.DropList(R::kLHeightList, {146, 185, 35, 100});
  // The reference point: the riser's corners and centre.
  l.Radio(R::kAtFarTop, "", {106, 62, 10, 10}, 7);
  l.Radio(R::kAtFarBottom, "", {106, 96, 10, 10}, 7);
  l.Radio(R::kAtCentre, "", {119, 79, 10, 10}, 7);
  l.Radio(R::kAtNearTop, "", {132, 62, 10, 10}, 7);
  l.Radio(R::kAtNearBottom, "", {132, 96, 10, 10}, 7);

  l.Group("《形状》", {7, 206, 58, 44});
  l.Radio(R::kStraight, "ストレート", {13, 219, 50, 10}, 1);
  l.Radio(R::kLShape, "Ｌ形", {13, 233, 50, 10}, 1);
  l.Group("《分類》", {69, 206, 58, 44});
  l.Radio(R::kLower, "下変形", {75, 219, 50, 10}, 2);
  l.Radio(R::kUpper, "上変形", {75, 233, 50, 10}, 2);
  l.Group("《Ｌ形》", {131, 206, 58, 58});
  l.Radio(R::kOuter, "外合せ", {137, 219, 50, 10}, 4);
  l.Radio(R::kCentred, "芯合せ", {137, 233, 50, 10}, 4);
  l.Radio(R::kInner, "内合せ", {137, 247, 50, 10}, 4);
  l.Group("《基準内R》", {193, 206, 50, 44});
  l.Radio(R::kHalfRadius, "0.5R", {199, 219, 42, 10}, 3);
  l.Radio(R::kFullRadius, "1.0R", {199, 233, 42, 10}, 3);
  l.Group("《断面記号》", {7, 254, 118, 46});
  for (int i = 0; i < 3; ++i) l.Radio(R::kSymbol1 + i, "", {16 + i * 36, 266, 28, 28}, 5, ui::kPushLike);
  l.Label(ui::kNoId, "※元管のサイズを変更すると\n先管サイズも連動して\n変更されます。", {131, 270, 112, 28},
          ui::kMultiline);

  AddPreviewFrame(l, R::kPreview, {262, 18, 150, 118});
  AddFittingControls(l, Ids(), 6, {248, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(R::kWidth),     TextLine(R::kHeight),         TextLine(R::kDownWidth),
          TextLine(R::kDownHeight), TextLine(R::kLWidth),        TextLine(R::kLHeight),
          TextLine(R::kStraightLength), TextLine(R::kHalfA),     TextLine(R::kHalfB),
          ChoiceLine({R::kStraight, R::kLShape}),
          ChoiceLine({R::kLower, R::kUpper}),
          ChoiceLine({R::kHalfRadius, R::kFullRadius}),
          ChoiceLine({R::kSymbol1, R::kSymbol1 + 1, R::kSymbol1 + 2}),
          ChoiceLine({R::kOuter, R::kCentred, R::kInner}),
          ChoiceLine({R::kAtFarTop, R::kAtFarBottom, R::kAtCentre, R::kAtNearTop, R::kAtNearBottom}),
          TextLine(R::kLengthRiser),
          TextLine(R::kAngle),
          CheckLine(R::kMirror),
          CheckLine(R::kCurrentLayer)};
}

constexpr SplitWidth kSplit{R::kDownWidth, R::kHalfA, R::kHalfB};

// The boxes of each shape, enabled only with it.
constexpr std::array kStraightBoxes{R::kWidth, R::kHeight, R::kHalfA, R::kHalfB, R::kWidthList, R::kHeightList};
constexpr std::array kLBoxes{R::kOuter, R::kCentred, R::kInner, R::kLWidth, R::kLHeight, R::kLWidthList,
                             R::kLHeightList};

// The sizes as typed, and the common lengths.
struct Sizes {
  double w1, h1, wl, hl, w2, h2, a2, b2, e;
  double aw, f;  // angle width, flange protrusion
};

// The riser in plan: x0 its far side, x1 the side towards the downstream
// duct, y0 and y1 its -y and +y sides.
struct Riser {
  double x0, x1, y0, y1;
  Vec Centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};

void Path(Figure& f, Look look, std::initializer_list<Vec> points) {
  for (auto p = points.begin(); p + 1 != points.end(); ++p) Draw(f, look, p[0], p[1]);
}

// The section symbol inside the riser, hidden: symbol 3's half diagonal
// runs from the riser's centre.
void SectionSymbol(Figure& f, const Riser& r, int symbol) {
  if (symbol == 0) return;
  Draw(f, kHidden, {r.x0, r.y0}, {r.x1, r.y1});
  if (symbol == 1) Draw(f, kHidden, {r.x0, r.y1}, {r.x1, r.y0});
  if (symbol == 3) Draw(f, kHidden, r.Centre(), {r.x1, r.y0});
  Draw(f, kHidden, {r.x1, r.y1}, {r.x1, r.y0});
}

// Upper constructions: the downstream duct, on top, joins the riser that
// stands on the upstream duct's section (half depth rx, half width ry).
struct DownstreamJoint {
  double rx, ry, f;
  double start, end;  // the downstream duct's sides run from x = start to end
  bool sidesApart;    // its sides are drawn on their own (straight) or with the riser's side (L-shape)
};

// One side (sign +1: +y) of the downstream duct, its side at y = side.
void DownstreamSide(Figure& fig, const DownstreamJoint& j, double sign, double side) {
  const double y = sign * j.ry, yFlange = sign * (j.ry + j.f);
  const Vec farCorner{-j.rx, y}, nearCorner{j.rx, y}, start{j.start, side};
  const Vec flangeFar{-j.rx - j.f, yFlange}, flangeNear{j.rx + j.f, yFlange};
  if (side == y) {
    Draw(fig, kBody, flangeFar, flangeNear);
    Draw(fig, kBody, flangeNear, {j.rx + j.f, y});
    Draw(fig, kBody, farCorner, {j.end, y});
    return;
  }
  if (sign * side < j.ry) {  // the downstream duct is narrower on this side: tapers on top
    Draw(fig, kBody, farCorner, nearCorner);
    Draw(fig, kBody, farCorner, start);
    Draw(fig, kBody, nearCorner, start);
    Draw(fig, kBody, flangeFar, flangeNear);
    Draw(fig, kBody, flangeNear, AtX(nearCorner, start, j.rx + j.f));
  } else {  // wider: it hides the riser's side and the near taper
    Draw(fig, kHidden, farCorner, nearCorner);
    Draw(fig, kHidden, nearCorner, start);
    Draw(fig, kBody, farCorner, start);
    Draw(fig, kBody, flangeFar, AtY(farCorner, start, yFlange));
  }
  if (!j.sidesApart) Draw(fig, kBody, start, {j.end, side});
}

// Lower constructions: the upstream duct, on top, joins the riser that
// stands under the downstream duct's section. Drawn in the upstream duct's
// own frame: u along it towards the riser (which spans u from -riser to
// riser), v across; `turned` maps (u, v) to (v, u) for the L-shape.
struct UpstreamJoint {
  bool turned;
  double end;         // u of the upstream end
  double riser;
  double halfHeight;  // of the upstream duct
  double f;
  Vec At(double u, double v) const { return turned ? Vec{v, u} : Vec{u, v}; }
};

// One side of the upstream duct at v, the riser's side there at riserSide.
// Its tapers are cut at the riser's flange; on the side the downstream duct
// leaves from (the L-shape's +x side), which has no flange, at the riser's
// side facing the upstream duct.
void UpstreamSide(Figure& fig, const UpstreamJoint& j, double v, double riserSide, bool towardsDownstream) {
  auto line = [&](Look look, Vec a, Vec b) { Draw(fig, look, j.At(a.x, a.y), j.At(b.x, b.y)); };
  if (riserSide == v) {
    line(kBody, {j.end, v}, {-j.riser - j.f, v});
    return;
  }
  const double sign = v > 0 ? 1 : -1;
  const bool narrower = sign * riserSide < sign * v;  // the riser is narrower than the duct on this side
  const Vec start{narrower ? -2 * j.riser : -(j.halfHeight + j.riser), v};
  const Vec farCorner{-j.riser, riserSide}, nearCorner{j.riser, riserSide};
  line(kBody, {j.end, v}, start);
  line(kBody, start, AtX(start, farCorner, towardsDownstream ? -j.riser : -j.riser - j.f));
  if (!narrower) line(kHidden, start, nearCorner);
  else if (towardsDownstream) line(kBody, start, AtX(start, nearCorner, -j.riser));
  else line(kBody, start, AtY(start, nearCorner, riserSide + sign * j.f));
}

void StraightUpper(Figure& f, const Sizes& z) {
  const double rx = z.h1 / 2, ry = z.w1 / 2, fl = z.f;
  const double start = z.w2 > z.w1 ? z.h1 : z.h1 / 2 + z.h2 / 2, end = z.e + start, up = -(z.e + z.h1);
  f.SetFrame(end, std::max(ry, z.a2) + fl, -up, std::max(ry, z.b2) + fl);
  Draw(f, kEndFlange, {up, ry + fl}, {up, -(ry + fl)});
  Draw(f, kEndFlange, {end, z.a2 + fl}, {end, -(z.b2 + fl)});
  Draw(f, kBody, {-rx - fl, ry + fl}, {-rx - fl, -(ry + fl)});
  Draw(f, kBody, {-rx, ry}, {-rx, -ry});
  Draw(f, kAngleLine, {up + z.aw, ry}, {up + z.aw, -ry});
  Draw(f, kAngleLine, {end - z.aw, -z.b2}, {end - z.aw, z.a2});
  Draw(f, kBody, {up, ry}, {-rx - fl, ry});
  Draw(f, kBody, {up, -ry}, {-rx - fl, -ry});
  Draw(f, kBody, {start, z.a2}, {end, z.a2});
  Draw(f, kBody, {start, -z.b2}, {end, -z.b2});
  Draw(f, kBody, {-rx, ry}, {-rx, -ry});
  const DownstreamJoint j{rx, ry, fl, start, end, true};
  DownstreamSide(f, j, 1, z.a2);
  DownstreamSide(f, j, -1, -z.b2);
}

void StraightLower(Figure& f, const Sizes& z) {
  const double rx = z.h2 / 2, fl = z.f, hw = z.w1 / 2;
  const double up = z.w2 > z.w1 ? -(z.e + z.h1 / 2 + z.h2 / 2) : -(z.e + z.h2), end = z.e + z.h2;
  f.SetFrame(end, std::max(hw, z.a2) + fl, -up, std::max(hw, z.b2) + fl);
  Draw(f, kEndFlange, {up, hw + fl}, {up, -(hw + fl)});
  Draw(f, kEndFlange, {end, z.a2 + fl}, {end, -(z.b2 + fl)});
  Draw(f, kAngleLine, {up + z.aw, hw}, {up + z.aw, -hw});
  Draw(f, kAngleLine, {end - z.aw, -z.b2}, {end - z.aw, z.a2});
  Path(f, kBody, {{rx + fl, z.a2}, {rx + fl, z.a2 + fl}, {-rx - fl, z.a2 + fl}, {-rx - fl, -z.b2 - fl},
                  {rx + fl, -z.b2 - fl}, {rx + fl, -z.b2}});
  Draw(f, kBody, {-rx, z.a2}, {end, z.a2});
  Draw(f, kBody, {-rx, -z.b2}, {end, -z.b2});
  Draw(f, kBody, {-rx, z.a2}, {-rx, -z.b2});
  const UpstreamJoint j{false, up, rx, z.h1 / 2, fl};
  UpstreamSide(f, j, hw, z.a2, false);
  UpstreamSide(f, j, -hw, -z.b2, false);
}

// How the L-shape aligns the riser and the downstream duct with the
// upstream duct: on its outer side, its centre line or its inner side.
enum class Align { kOuter, kCentre, kInner };

struct Across {
  double top, bottom;
};

// The L upper construction's downstream sides.
Across LDownstream(const Sizes& z, Align align) {
  if (align == Align::kOuter) return {z.hl / 2, z.hl / 2 - z.w2};
  if (align == Align::kInner) return {-z.hl / 2 + z.w2, -z.hl / 2};
  return {z.w2 / 2, -z.w2 / 2};
}

// How far the L lower construction's riser moves along x.
double LRiserShift(const Sizes& z, Align align) {
  if (align == Align::kOuter) return -z.wl / 2 + z.h2 / 2;
  if (align == Align::kInner) return z.wl / 2 - z.h2 / 2;
  return 0;
}

// The riser of a construction and the lengths it shows on the sketch
// (upstream run of the L-shape, of the straight shape, downstream run,
// riser; none where the sketch shows "-").
struct Plan {
  std::array<std::optional<double>, 4> lengths;
  Riser riser;
};

Plan PlanOf(const Sizes& z, bool straight, bool upper, Align align) {
  constexpr std::optional<double> none;
  if (straight && upper)
    return {{none, z.e + z.h1 / 2, z.e + z.h2 / 2, z.h1}, {-z.h1 / 2, z.h1 / 2, -z.w1 / 2, z.w1 / 2}};
  if (straight) return {{none, z.e + z.h2 / 2, z.e + z.h2 / 2, z.h2}, {-z.h2 / 2, z.h2 / 2, -z.b2, z.a2}};
  if (upper) return {{z.e + z.hl / 2, none, z.e + z.wl / 2, none}, {-z.wl / 2, z.wl / 2, -z.hl / 2, z.hl / 2}};
  const double shift = LRiserShift(z, align);
  return {{z.e + z.w2 / 2, none, z.e + z.h2 / 2, z.h2}, {shift - z.h2 / 2, shift + z.h2 / 2, -z.w2 / 2, z.w2 / 2}};
}

void LUpper(Figure& f, const Sizes& z, const Across& down) {
  const double rx = z.wl / 2, ry = z.hl / 2, fl = z.f, start = z.wl, end = z.e + z.wl, up = -(z.e + z.hl);
  f.SetFrame(end, std::max(ry, down.top) + fl, rx + fl, -up);
  Draw(f, kEndFlange, {rx + fl, up}, {-(rx + fl), up});
  Draw(f, kEndFlange, {end, down.top + fl}, {end, down.bottom - fl});
  Draw(f, kAngleLine, {rx, up + z.aw}, {-rx, up + z.aw});
  Draw(f, kAngleLine, {end - z.aw, down.bottom}, {end - z.aw, down.top});
  // The upstream sides reach the riser flange, unless a wider downstream
  // duct on top covers the +x one before.
  double covered = -ry - fl;
  if (-down.bottom > ry) covered = std::min(covered, AtX({-rx, -ry}, {start, down.bottom}, rx).y);
  Draw(f, kBody, {rx, up}, {rx, covered});
  Draw(f, kBody, {-rx, up}, {-rx, -ry - fl});
  Draw(f, kBody, {-rx - fl, ry + fl}, {-rx - fl, -(ry + fl)});
  Draw(f, kBody, {-rx, ry}, {-rx, -ry});
  const DownstreamJoint j{rx, ry, fl, start, end, false};
  DownstreamSide(f, j, 1, down.top);
  DownstreamSide(f, j, -1, down.bottom);
}

void LLower(Figure& f, const Sizes& z, const Riser& r) {
  const double ry = z.w2 / 2, fl = z.f, hw = z.wl / 2, end = z.e + r.x1 + z.h2 / 2;
  const double up = z.w2 < z.hl ? -(z.e + z.hl / 2 + z.w2 / 2) : -(z.e + z.w2);
  f.SetFrame(end, ry + fl, std::max(hw, -r.x0) + fl, -up);
  Draw(f, kEndFlange, {hw + fl, up}, {-(hw + fl), up});
  Draw(f, kEndFlange, {end, ry + fl}, {end, -(ry + fl)});
  Draw(f, kAngleLine, {hw, up + z.aw}, {-hw, up + z.aw});
  Draw(f, kAngleLine, {end - z.aw, ry}, {end - z.aw, -ry});
  Path(f, kBody, {{r.x1 + fl, -ry}, {r.x1 + fl, -ry - fl}, {r.x0 - fl, -ry - fl}, {r.x0 - fl, ry + fl},
                  {r.x1 + fl, ry + fl}, {r.x1 + fl, ry}});
  Draw(f, kBody, {end, ry}, {r.x0, ry});
  Draw(f, kBody, {r.x0, ry}, {r.x0, -ry});
  Draw(f, kBody, {r.x0, -ry}, {end, -ry});
  const UpstreamJoint j{true, up, ry, z.hl / 2, fl};
  UpstreamSide(f, j, hw, r.x1, true);
  UpstreamSide(f, j, -hw, r.x0, false);
}

}  // namespace

ElbowUpDownRun::ElbowUpDownRun(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Jyoge2.tec",
                                 "Jyoge2.ini",
                                 {7.5, 150, 70},
                                 3,
                                 kStatusSet,
                                 Ids(),
                                 0,
                                 {{kWidthList, kWidth},
                                  {kHeightList, kHeight},
                                  {kLWidthList, kLWidth},
                                  {kLHeightList, kLHeight},
                                  {kDownWidthList, kDownWidth},
                                  {kDownHeightList, kDownHeight}}},
                    Settings()) {}

void ElbowUpDownRun::OnInit() {
  SetSectionIcons(form(), kSymbol1);
  FittingDialog::OnInit();
  SetStatus(kStatusSet);
}

void ElbowUpDownRun::FillLists() {
  for (int id : {kWidthList, kHeightList, kLWidthList, kLHeightList, kDownWidthList, kDownHeightList})
    FillSizeList(id);
}

void ElbowUpDownRun::OnCommand(int id, ui::Notify what) {
  constexpr std::array coupled{kHalfA, kHalfB, kLWidth, kLHeight, kWidth, kHeight};
  if (what == ui::Notify::Focus && std::find(coupled.begin(), coupled.end(), id) != coupled.end()) {
    activeBox_ = id;
  } else if (what == ui::Notify::Change) {
    if (id == activeBox_) Coupled(id);
    if (id == kDownWidth) SplitEvenly(form(), kSplit);
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select) {
    const std::string size = form().Text(id);
    if (id == kWidthList) form().SetText(kWidth, size);
    if (id == kHeightList) form().SetText(kHeight, size);
    if (id == kLWidthList) form().SetText(kLWidth, size);
    if (id == kLHeightList) form().SetText(kLHeight, size);
    if (id == kWidthList || id == kLHeightList || id == kDownWidthList) form().SetText(kDownWidth, size);
    if (id == kHeightList || id == kLWidthList || id == kDownHeightList) form().SetText(kDownHeight, size);
    Rebuild();
  } else if (what == ui::Notify::Click) {
    Rebuild();
  }
}

// The upstream sizes carry over to the downstream duct: its width follows
// the straight upstream width and the L-shape's upstream height, its height
// the straight upstream height and the L-shape's upstream width.
void ElbowUpDownRun::Coupled(int id) {
  const std::string& text = form().Text(id);
  if (id == kHalfA || id == kHalfB) TakeTheRest(form(), kSplit, id);
  if (id == kWidth || id == kLHeight) form().SetText(kDownWidth, text);
  if (id == kHeight || id == kLWidth) form().SetText(kDownHeight, text);
}

void ElbowUpDownRun::Update() {
  Rebuild();
  SetStatus(kStatusSet);
}

void ElbowUpDownRun::EnableShape(bool straight) {
  for (int id : kStraightBoxes) form().SetEnabled(id, straight);
  for (int id : kLBoxes) form().SetEnabled(id, !straight);
}

double ElbowUpDownRun::PreviewScale() const { return figure::RecordFitScale(figure(), 104, 80); }

void ElbowUpDownRun::Build() {
  const bool straight = form().Checked(kStraight), upper = form().Checked(kUpper);
  if (!straight && !form().Checked(kLShape)) return;
  EnableShape(straight);
  if (!upper && !form().Checked(kLower)) return;
  const Sizes z{Value(kWidth),  Value(kHeight), Value(kLWidth),         Value(kLHeight),    Value(kDownWidth),
                Value(kDownHeight), Value(kHalfA), Value(kHalfB), Value(kStraightLength), common().angleWidth,
                common().flange};
  const Align align = form().Checked(kOuter) ? Align::kOuter : form().Checked(kInner) ? Align::kInner : Align::kCentre;
  const Plan plan = PlanOf(z, straight, upper, align);
  const Riser& riser = plan.riser;
  const std::array labels{kLengthL, kLengthUp, kLengthDown, kLengthRiser};
  for (size_t i = 0; i < labels.size(); ++i) {
    if (plan.lengths[i]) SetWhole(labels[i], *plan.lengths[i]);
    else form().SetText(labels[i], "-");
  }

  if (form().Checked(kAtFarTop)) PlaceAt(placement(), {riser.x0, riser.y1});
  if (form().Checked(kAtFarBottom)) PlaceAt(placement(), {riser.x0, riser.y0});
  if (form().Checked(kAtCentre)) PlaceAt(placement(), riser.Centre());
  if (form().Checked(kAtNearTop)) PlaceAt(placement(), {riser.x1, riser.y1});
  if (form().Checked(kAtNearBottom)) PlaceAt(placement(), {riser.x1, riser.y0});
  Figure& f = fig();
  if (straight && upper) StraightUpper(f, z);
  else if (straight) StraightLower(f, z);
  else if (upper) LUpper(f, z, LDownstream(z, align));
  else LLower(f, z, riser);
  SectionSymbol(f, riser, CheckedSymbol(form(), kSymbol1));
}

}  // namespace duct
