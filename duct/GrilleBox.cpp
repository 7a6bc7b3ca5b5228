#include "duct/GrilleBox.h"

#include <algorithm>

#include "duct/FittingLayout.h"
#include "duct/SectionIcons.h"
#include "figure/Preview.h"

namespace duct {
namespace {

using figure::kDotted;
using figure::kDuct;
using figure::kEquipment;
using figure::kHiddenLine;
using figure::kSolid;
using G = GrilleBox;

FittingIds Ids() {
  FittingIds ids;
  ids.place = G::kPlace;
  ids.update = G::kUpdate;
  ids.angle = G::kAngle;
  for (int i = 0; i < 8; ++i) ids.rotation[i] = G::kRotation0 + i;
  ids.mirror = G::kMirror;
  ids.currentLayer = G::kCurrentLayer;
  ids.anchor = G::kAnchor;
  ids.preview = G::kPreview;
  ids.status = G::kStatus;
  return ids;
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "角形制気口+ボックス作図";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, G::kAnchor, {7, 7});
  l.Label(G::kBoxWidth, "", {90, 18, 34, 10}, ui::kCentred);
  l.Label(G::kBoxHeight, "", {4, 82, 30, 10}, ui::kCentred);
  l.Label(ui::kNoId, "W", {84, 153, 8, 10});
  l.Edit(G::kWidth, {92, 152, 30, 12}, ui::kCentred);
  l.DropList(G::kWidthList, {87, 166, 40, 100});
  l.Label(ui::kNoId, "H", {193, 65, 10, 10});
  l.Edit(G::kHeight, {193, 76, 28, 12}, ui::kCentred);
  l.DropList(G::kHeightList, {187, 90, 40, 100});
  l.Radio(G::kCentre, "", {102, 82, 10, 10}, 4);
  l.Radio(G::kCorner, "", {29, 136, 10, 10}, 4);

  l.Group("《器具選択》", {7, 186, 120, 50});
  for (int i = 0; i < 3; ++i) {
    static const char* captions[] = {"Radio3", "0.5R", "1.0R"};
    l.Radio(G::kSymbol1 + i, captions[i], {16 + i * 36, 197, 28, 28}, 5, ui::kPushLike);
  }
  l.Label(ui::kNoId, "ボックス余巾　A=", {134, 192, 64, 10});
  l.DropList(G::kMarginList, {198, 190, 33, 80}, ui::kSorted);
  l.Label(ui::kNoId, "内貼り厚", {134, 208, 64, 10});
  l.DropList(G::kLiningList, {198, 206, 33, 80});
  l.Check(G::kLined, "内貼り有り", {134, 224, 70, 10});

  AddPreviewFrame(l, G::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(G::kWidth),
          TextLine(G::kHeight),
          TextLine(G::kMarginList),
          TextLine(G::kLiningList),
          CheckLine(G::kLined),
          ChoiceLine({G::kSymbol1, G::kSymbol1 + 1, G::kSymbol1 + 2}),
          ChoiceLine({G::kCentre, G::kCorner}),
          TextLine(G::kAngle),
          CheckLine(G::kCurrentLayer),
          CheckLine(G::kMirror)};
}

}  // namespace

GrilleBox::GrilleBox(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"Kakubox.tec",
                                 "KakuBox.ini",
                                 {4, 155, 175},
                                 4,
                                 kStatusSet,
                                 Ids(),
                                 0,
                                 {{kWidthList, kWidth}, {kHeightList, kHeight}}},
                    Settings()) {}

void GrilleBox::OnInit() {
  for (int i = 0; i < 3; ++i) form().SetIcon(kSymbol1 + i, SectionSymbolIcon(i + 1));
  FittingDialog::OnInit();
}

void GrilleBox::FillLists() {
  for (const char* margin : {"50", "75", "100", "125", "150"}) form().AddItem(kMarginList, margin);
  for (const char* lining : {"25", "30", "40", "50"}) form().AddItem(kLiningList, lining);
  FillSizeList(kWidthList);
  FillSizeList(kHeightList);
}

void GrilleBox::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change && (id == kWidth || id == kHeight)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select && (id == kMarginList || id == kLiningList)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select && (id == kWidthList || id == kHeightList)) {
    form().SetText(id == kWidthList ? kWidth : kHeight, form().Text(id));
    Rebuild();
  } else if (what == ui::Notify::Click &&
             (id == kSymbol1 || id == kSymbol1 + 1 || id == kSymbol1 + 2 || id == kCentre || id == kCorner ||
              id == kLined)) {
    Rebuild();
  }
}

void GrilleBox::Update() {
  SetAngle(Value(kAngle));
  Rebuild();
}

double GrilleBox::PreviewScale() const {
  figure::Extents e = figure::FrameExtents(figure());
  double span = std::max(e.e1 + e.e3, e.e2 + e.e4);
  if (!(span > 0)) return figure::kFallbackScale;
  return 0.02 * (form().Checked(kCorner) ? 1.1 : 2) * 2000 / span;
}

void GrilleBox::Build() {
  const double w = Value(kWidth) / 2, h = Value(kHeight) / 2, a = Value(kMarginList);
  SetWhole(kBoxWidth, 2 * w + 2 * a);
  SetWhole(kBoxHeight, 2 * h + 2 * a);
  SetStatus(kStatusSet);
  if (form().Checked(kCorner)) {
    placement().offsetX = -a - w;
    placement().offsetY = a + h;
  }
  const double bx = a + w, by = a + h;
  figure::Figure& f = fig();
  f.SetFrame(bx, by, bx, by);
  const std::vector<figure::Segment> box = {{-bx, -by, -bx, by}, {-bx, by, bx, by}, {bx, by, bx, -by}, {bx, -by, -bx, -by}};
  for (const auto& side : box) f.AddLineRecord(kSolid, kDuct, side.x1, side.y1, side.x2, side.y2);
  f.AddLineRecord(kDotted, kEquipment, -w, -h, -w, h);
  f.AddLineRecord(kDotted, kEquipment, -w, h, w, h);
  f.AddLineRecord(kDotted, kEquipment, w, h, w, -h);
  f.AddLineRecord(kDotted, kEquipment, w, -h, -w, -h);
  const bool lined = form().Checked(kLined);
  if (lined) {
    const double t = Value(kLiningList), lx = bx - t, ly = by - t;
    f.AddLineRecord(kDotted, kHiddenLine, -lx, -ly, -lx, ly);
    f.AddLineRecord(kDotted, kHiddenLine, -lx, ly, lx, ly);
    f.AddLineRecord(kDotted, kHiddenLine, lx, ly, lx, -ly);
    f.AddLineRecord(kDotted, kHiddenLine, lx, -ly, -lx, -ly);
  }
  f.AddLineRecord(kDotted, kEquipment, -w, -h, w, h);
  if (form().Checked(kSymbol1)) f.AddLineRecord(kDotted, kEquipment, -w, h, w, -h);
  if (form().Checked(kSymbol1 + 2)) f.AddLineRecord(kDotted, kEquipment, 0, 0, w, -h);
  if (lined) figure::HatchPolygon(f, box, common().hatchWidth);
}

}  // namespace duct
