#include "duct/LinedBox.h"

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"

namespace duct {
namespace {

using figure::kDotted;
using figure::kDuct;
using figure::kHiddenLine;
using figure::kSolid;
using U = LinedBox;

FittingIds Ids() {
  return {.update = U::kUpdate, .angle = U::kAngle, .rotation = figure::RotationIds(U::kRotation0),
          .mirror = U::kMirror, .currentLayer = U::kCurrentLayer, .anchor = U::kAnchor, .preview = U::kPreview,
          .status = U::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "内貼り付ボックス";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, U::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.Label(ui::kNoId, "T", {46, 13, 8, 10});
  l.Edit(U::kLining, {54, 12, 26, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W", {78, 139, 8, 10});
  l.Edit(U::kWidth, {86, 138, 30, 12}, ui::kCentred);
  l.DropList(U::kWidthList, {81, 152, 40, 100});
  l.Label(ui::kNoId, "D", {168, 76, 8, 10});
  l.Edit(U::kDepth, {176, 75, 30, 12}, ui::kCentred);
  l.DropList(U::kDepthList, {171, 89, 40, 100});
  l.Radio(U::kCentre, "", {96, 76, 10, 10}, 4);
  l.Radio(U::kBottomMiddle, "", {96, 122, 10, 10}, 4);
  l.Radio(U::kCorner, "", {29, 122, 10, 10}, 4);
  l.Radio(U::kLeftMiddle, "", {29, 76, 10, 10}, 4);

  AddPreviewFrame(l, U::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(U::kWidth), TextLine(U::kDepth), TextLine(U::kLining), TextLine(U::kAngle),
          ChoiceLine({U::kCentre, U::kBottomMiddle, U::kCorner, U::kLeftMiddle}),
          CheckLine(U::kMirror), CheckLine(U::kCurrentLayer)};
}

}  // namespace

LinedBox::LinedBox(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Ubox.tec",
                                 "Ubox.ini",
                                 {4.5, 110, 120},
                                 4,
                                 kStatusSet,
                                 Ids(),
                                 0,
                                 {{kWidthList, kWidth}, {kDepthList, kDepth}}},
                    Settings()) {}

void LinedBox::FillLists() {
  FillSizeList(kWidthList);
  FillSizeList(kDepthList);
}

void LinedBox::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change && id == kWidth) {
    SetAngle(Value(kAngle));
    Rebuild();
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Change && (id == kDepth || id == kLining)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select && (id == kWidthList || id == kDepthList)) {
    form().SetText(id == kWidthList ? kWidth : kDepth, form().Text(id));
    Rebuild();
  } else if (what == ui::Notify::Click &&
             (id == kCentre || id == kBottomMiddle || id == kCorner || id == kLeftMiddle)) {
    Rebuild();
  }
}

void LinedBox::Update() {
  SetStatus(kStatusSet);
  Rebuild();
}

// Placed by anything but its centre, the box reaches twice as far from the
// placement point.
double LinedBox::PreviewScale() const {
  return figure::ExtentFitScale(figure(), form().Checked(kCentre) ? 120 : 60);
}

// Centred on the origin: the outer rectangle and the lining, each clockwise
// from the top-left corner, then the hatching over the whole box.
void LinedBox::Build() {
  const double w = Value(kWidth) / 2, d = Value(kDepth) / 2, t = Value(kLining);
  if (form().Checked(kBottomMiddle) || form().Checked(kCorner)) placement().offsetY = d;
  if (form().Checked(kCorner) || form().Checked(kLeftMiddle)) placement().offsetX = -w;

  figure::Figure& f = fig();
  f.SetFrame(w, d, w, d);
  const std::vector<figure::Segment> box = {{-w, d, w, d}, {w, d, w, -d}, {w, -d, -w, -d}, {-w, -d, -w, d}};
  for (const auto& side : box) f.AddLineRecord(kSolid, kDuct, side.x1, side.y1, side.x2, side.y2);
  const double lw = w - t, ld = d - t;
  f.AddLineRecord(kDotted, kHiddenLine, -lw, ld, lw, ld);
  f.AddLineRecord(kDotted, kHiddenLine, lw, ld, lw, -ld);
  f.AddLineRecord(kDotted, kHiddenLine, lw, -ld, -lw, -ld);
  f.AddLineRecord(kDotted, kHiddenLine, -lw, -ld, -lw, ld);
  figure::HatchPolygon(f, box, common().hatchWidth);
}

}  // namespace duct
