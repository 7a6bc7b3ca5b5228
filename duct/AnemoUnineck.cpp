#include "duct/AnemoUnineck.h"

#include <cmath>

#include "duct/AirTerminal.h"
#include "duct/FittingLayout.h"
#include "figure/Preview.h"

namespace duct {
namespace {

using figure::kDuct;
using figure::kFlangeLine;
using figure::kSolid;
using U = AnemoUnineck;

FittingIds Ids() {
  FittingIds ids;
  ids.update = U::kUpdate;
  ids.angle = U::kAngle;
  for (int i = 0; i < 8; ++i) ids.rotation[i] = U::kRotation0 + i;
  ids.mirror = U::kMirror;
  ids.currentLayer = U::kCurrentLayer;
  ids.anchor = U::kAnchor;
  ids.preview = U::kPreview;
  ids.status = U::kStatus;
  return ids;
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "アネモ+ユニネック";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, U::kAnchor, {7, 7});
  l.Label(ui::kNoId, "ネック径", {66, 73, 36, 10}, ui::kCentred);
  l.Edit(U::kNeck, {70, 84, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "D", {62, 106, 8, 10});
  l.Edit(U::kAnemostat, {70, 105, 28, 12}, ui::kCentred);
  l.Label(ui::kNoId, "R", {61, 146, 8, 10});
  l.Edit(U::kChamber, {69, 145, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "P", {144, 53, 8, 10});
  l.Edit(U::kDuctLength, {152, 52, 30, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W", {204, 73, 10, 10});
  l.Edit(U::kDuctWidth, {202, 85, 26, 12}, ui::kCentred);
  l.Edit(U::kSpare, {202, 150, 26, 12}, ui::kHidden);

  l.Group("《形状》", {7, 172, 100, 44});
  l.Radio(U::kRoundAnemo, "丸アネモ", {16, 185, 60, 10}, 2);
  l.Radio(U::kSquareAnemo, "角アネモ", {16, 200, 60, 10}, 2);
  l.Label(ui::kNoId, "《サイズ》", {118, 176, 50, 10});
  l.Combo(U::kSizeList, {118, 189, 60, 90}, ui::kSorted);

  AddPreviewFrame(l, U::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<SettingLine> Settings() {
  return {TextLine(U::kChamber),   TextLine(U::kDuctLength), TextLine(U::kSpare), TextLine(U::kNeck),
          TextLine(U::kAnemostat), TextLine(U::kDuctWidth),  TextLine(U::kAngle), TextLine(U::kSizeList),
          ChoiceLine({U::kRoundAnemo, U::kSquareAnemo}),     CheckLine(U::kMirror), CheckLine(U::kCurrentLayer)};
}

}  // namespace

AnemoUnineck::AnemoUnineck(ui::Env env)
    : FittingDialog(env, MakeLayout(), FittingSetup{"AnemoU.tec", "AnemoU.ini", {5.5, 150, 80}, 4, kStatusSet, Ids()},
                    Settings()) {}

void AnemoUnineck::FillLists() {
  for (const std::string& size : NeckSizes()) form().AddItem(kSizeList, size);
}

void AnemoUnineck::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Change &&
      (id == kDuctLength || id == kNeck || id == kAnemostat || id == kDuctWidth || id == kSpare)) {
    SetStatus(kStatusStale);
  } else if (what == ui::Notify::Select && id == kSizeList) {
    LookUpSize(form().Text(kSizeList));
    SetStatus(kStatusSet);
  } else if (what == ui::Notify::Click && (id == kRoundAnemo || id == kSquareAnemo)) {
    if (!form().Text(kSizeList).empty()) LookUpSize(form().Text(kSizeList));
    else Rebuild();
    SetStatus(kStatusSet);
  }
}

void AnemoUnineck::LookUpSize(const std::string& size) {
  if (auto defaults = LookUpNeckSize(drive(), size)) {
    form().SetText(kNeck, defaults->neck);
    form().SetText(kDuctWidth, defaults->neck);
    form().SetText(kChamber, defaults->chamber);
    form().SetText(kAnemostat, form().Checked(kSquareAnemo) ? defaults->squareSize : defaults->roundSize);
  }
  Rebuild();
}

double AnemoUnineck::PreviewScale() const { return figure::ExtentFitScale(figure(), angle() == 0 ? 60 : 50); }

// A duct wider than the chamber has no end on the chamber's circle: it is
// refused with a message instead of being drawn from an imaginary point.
bool AnemoUnineck::CheckBeforePlacing() {
  if (Value(kDuctWidth) <= Value(kChamber)) return true;
  Message("ダクト巾Wはチャンバー径R以下にしてください。", "入力確認");
  return false;
}

void AnemoUnineck::Build() {
  const double r = Value(kChamber) / 2, p = Value(kDuctLength), w = Value(kDuctWidth) / 2, d = Value(kAnemostat);
  fig().SetFrame(r + p + common().frameMargin, d / 2, d / 2, d / 2);
  // Where the duct sides meet the chamber; a duct wider than the chamber is
  // drawn up to the chamber's centre line until it is corrected.
  const double c = w <= r ? std::sqrt(r * r - w * w) : 0;
  figure::Figure& f = fig();
  f.AddLineRecord(kSolid, kDuct, r + p, w, c, w);
  f.AddLineRecord(kSolid, kDuct, r + p, -w, c, -w);
  f.AddLineRecord(kSolid, kFlangeLine, r + p, w, r + p, -w);
  f.AddArcRecord(kSolid, kDuct, 0, 0, r, 0, 360);
  AddNeckAndAnemostat(f, Value(kNeck), d, form().Checked(kSquareAnemo));
}

}  // namespace duct
