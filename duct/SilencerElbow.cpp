#include "duct/SilencerElbow.h"

#include <cmath>

#include "duct/ElbowFrame.h"
#include "duct/FittingLayout.h"
#include "figure/Preview.h"

namespace duct {
namespace {

using figure::kDotted;
using figure::kDuct;
using figure::kHiddenLine;
using figure::kRadiansPerDegree;
using figure::kSolid;
using figure::Segment;
using S = SilencerElbow;

enum class Corner { kSquare, kRound, kChamfer, kNotch };

FittingIds Ids() {
  FittingIds ids;
  ids.update = S::kUpdate;
  ids.angle = S::kAngle;
  for (int i = 0; i < 8; ++i) ids.rotation[i] = S::kRotation0 + i;
  ids.mirror = S::kMirror;
  ids.currentLayer = S::kCurrentLayer;
  ids.anchor = S::kAnchor;
  ids.preview = S::kPreview;
  ids.status = S::kStatus;
  return ids;
}

constexpr int kShapes[] = {S::kSquare, S::kRound, S::kChamfer, S::kNotch};

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "消音付エルボ";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, S::kAnchor, {7, 7});
  l.Label(ui::kNoId, "W", {59, 153, 8, 10});
  l.Edit(S::kWidth, {69, 152, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "S", {11, 130, 8, 10});
  l.Edit(S::kStraight, {19, 128, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "C", {101, 100, 8, 10});
  l.Edit(S::kChamber, {109, 98, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "t", {101, 11, 8, 10});
  l.Edit(S::kLining, {109, 9, 24, 12}, ui::kCentred);
  l.Edit(S::kSpare, {160, 150, 24, 12}, ui::kHidden);
  l.Radio(S::kOuterPoint, "", {56, 36, 10, 10}, 2);
  l.Radio(S::kCentrePoint, "", {76, 56, 10, 10}, 2);
  l.Radio(S::kInnerPoint, "", {96, 76, 10, 10}, 2);

  l.Group("《形状》", {7, 172, 150, 50});
  const char* captions[] = {"角", "丸", "面取り", "切欠き"};
  for (int i = 0; i < 4; ++i) l.Radio(kShapes[i], captions[i], {15 + i * 35, 184, 30, 30}, 1, ui::kPushLike);
  l.Label(ui::kNoId, "《サイズ》", {166, 176, 50, 10});
  l.DropList(S::kSizes, {166, 188, 50, 120});
  l.Check(S::kHatched, "ハッチング有り", {166, 210, 66, 10});

  AddPreviewFrame(l, S::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(S::kWidth),
          TextLine(S::kChamber),
          TextLine(S::kAngle),
          TextLine(S::kStraight),
          TextLine(S::kSpare),
          TextLine(S::kLining),
          ChoiceLine({S::kOuterPoint, S::kCentrePoint, S::kInnerPoint}),
          ChoiceLine({S::kSquare, S::kRound, S::kChamfer, S::kNotch}),
          CheckLine(S::kMirror),
          CheckLine(S::kCurrentLayer),
          CheckLine(S::kHatched)};
}

// The pictures of the four inner corners: the chamber's outline around the
// bend of a duct, its inner corner drawn in the shape the button chooses.
ui::Picture CornerIcon(Corner corner) {
  return ui::Picture{32, 32, [corner](ui::Canvas& c) {
                       c.SetPen({0, 0, 0});
                       c.MoveTo(28, 4);
                       c.LineTo(4, 4);
                       c.LineTo(4, 28);
                       c.MoveTo(28, 14);
                       switch (corner) {
                         case Corner::kSquare:
                           c.LineTo(14, 14);
                           c.LineTo(14, 28);
                           break;
                         case Corner::kRound:
                           figure::DrawArc(c, 28, 28, 14, 90, 180);
                           break;
                         case Corner::kChamfer:
                           c.LineTo(14, 28);
                           break;
                         case Corner::kNotch:
                           c.LineTo(21, 14);
                           c.LineTo(14, 21);
                           c.LineTo(14, 28);
                           break;
                       }
                     }};
}

// A quarter circle about (cx, cy) from 90° to 180°, as chords: the edge the
// hatching of the round chamber corner stops at.
void AddQuarterCircle(std::vector<Segment>& edges, double cx, double cy, double r) {
  constexpr int kChords = 36;
  auto at = [&](int i) { return (90 + 90.0 * i / kChords) * kRadiansPerDegree; };
  for (int i = 0; i < kChords; ++i)
    edges.push_back({cx + r * std::cos(at(i)), cy + r * std::sin(at(i)), cx + r * std::cos(at(i + 1)),
                     cy + r * std::sin(at(i + 1))});
}

}  // namespace

SilencerElbow::SilencerElbow(ui::Env env)
    : FittingDialog(
          env, MakeLayout(),
          FittingSetup{"S_Erbo.tec", "S_Erbo.ini", {7, 110, 80}, 4, kStatusStale, Ids(), 0, {{kSizes, kWidth}}},
          Settings()) {}

void SilencerElbow::OnInit() {
  for (int i = 0; i < 4; ++i) form().SetIcon(kShapes[i], CornerIcon(static_cast<Corner>(i)));
  FittingDialog::OnInit();
}

void SilencerElbow::FillLists() { FillSizeList(kSizes); }

void SilencerElbow::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change && (id == kWidth || id == kChamber || id == kStraight || id == kLining)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select && id == kSizes) {
    form().SetText(kWidth, form().Text(kSizes));
    Rebuild();
  } else if (what == ui::Notify::Click && (id == kSquare || id == kRound || id == kChamfer || id == kNotch ||
                                           id == kOuterPoint || id == kCentrePoint || id == kInnerPoint ||
                                           id == kHatched)) {
    Rebuild();
  }
}

double SilencerElbow::PreviewScale() const { return figure::ExtentFitScale(figure(), angle() == 0 ? 85 : 60); }

void SilencerElbow::Build() {
  SetStatus(kStatusSet);
  const Corner corner = form().Checked(kRound)     ? Corner::kRound
                        : form().Checked(kChamfer) ? Corner::kChamfer
                        : form().Checked(kNotch)   ? Corner::kNotch
                                                   : Corner::kSquare;
  const double w = Value(kWidth) / 2, c = Value(kChamber), t = Value(kLining);
  const double p = w + c, q = p + Value(kStraight);
  PlaceElbowPoint(placement(), CheckedElbowPoint(form(), kOuterPoint, kInnerPoint), {-w, w});
  figure::Figure& f = fig();
  f.SetFrame(q + common().frameMargin, q + common().frameMargin, w, w);
  const RightElbowLegs legs{2 * w, 2 * w, q, q};
  AddFlangedEnds(f, legs, common());
  AddStraightSides(f, legs, p, p, p);

  // The duct walls inside the chamber.
  auto wall = [&](double x1, double y1, double x2, double y2) {
    f.AddLineRecord(kDotted, kHiddenLine, x1, y1, x2, y2);
  };
  wall(-w, -p, -w, w);
  wall(-w, w, p, w);
  const double notchWall = c / 2 - 0.4142135624 * t;
  if (corner == Corner::kSquare) {
    wall(p, -w, w, -w);
    wall(w, -w, w, -p);
  } else if (corner == Corner::kChamfer) {
    wall(p, -w, w, -p);
  } else if (corner == Corner::kNotch) {
    wall(p, -w, w + notchWall, -w);
    wall(w + notchWall, -w, w, -w - notchWall);
    wall(w, -w - notchWall, w, -p);
  }

  // The chamber, edge by edge; its edges are also the outline the lining's
  // hatching fills.
  const double u = corner == Corner::kChamfer ? 1.414213562 * t : t, o = w + t;
  std::vector<Segment> chamber = {{w + u, -p, -o, -p}, {-o, -p, -o, o}, {-o, o, p, o}, {p, o, p, -w - u}};
  if (corner == Corner::kSquare) {
    chamber.push_back({p, -o, o, -o});
    chamber.push_back({o, -o, o, -p});
  } else if (corner == Corner::kChamfer) {
    chamber.push_back({p, -w - u, w + u, -p});
  } else if (corner == Corner::kNotch) {
    chamber.push_back({p, -o, w + c / 2, -o});
    chamber.push_back({w + c / 2, -o, o, -w - c / 2});
    chamber.push_back({o, -w - c / 2, o, -p});
  }
  for (const Segment& edge : chamber) f.AddLineRecord(kSolid, kDuct, edge.x1, edge.y1, edge.x2, edge.y2);
  if (corner == Corner::kRound) {
    f.AddArcRecord(kDotted, kHiddenLine, p, -p, c, 90, 180);
    f.AddArcRecord(kSolid, kDuct, p, -p, c - t, 90, 180);
    AddQuarterCircle(chamber, p, -p, c - t);
  }
  if (form().Checked(kHatched)) figure::HatchPolygon(f, chamber, common().hatchWidth, 500);
}

}  // namespace duct
