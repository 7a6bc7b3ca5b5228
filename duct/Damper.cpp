#include "duct/Damper.h"

#include <cmath>

#include "duct/FittingLayout.h"
#include "figure/Preview.h"
#include "figure/RotationButtons.h"
#include "settings/Paths.h"

namespace duct {
namespace {

using figure::kAngleLine;
using figure::kCentreLine;
using figure::kDashDot;
using figure::kDotted;
using figure::kDuct;
using figure::kFlangeLine;
using figure::kHiddenLine;
using figure::kSolid;
using D = Damper;

const char* const kKindNames[] = {"VD", "MD", "CD", "FD", "FD+"};

FittingIds Ids() {
  return {.update = D::kUpdate, .angle = D::kAngle, .rotation = figure::RotationIds(D::kRotation0),
          .mirror = D::kMirror, .currentLayer = D::kCurrentLayer, .anchor = D::kAnchor, .preview = D::kPreview,
          .status = D::kStatus};
}

ui::Layout MakeLayout() {
  ui::Layout l;
  l.caption = "ダンパー作図";
  l.width = 410;
  l.height = 262;
  AddGuideAnchor(l, D::kAnchor, {7, 7});
  // Boxes on the guide sketch, each on its dimension line.
  l.Label(ui::kNoId, "L1=", {54, 29, 14, 10});
  l.Edit(D::kLength1, {68, 28, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "L2=", {107, 29, 14, 10});
  l.Edit(D::kLength2, {121, 28, 24, 12}, ui::kCentred);
  l.Label(D::kLength3Label, "L3=", {161, 29, 14, 10});
  l.Edit(D::kLength3, {175, 28, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "W=", {75, 46, 13, 10});
  l.Edit(D::kBlade, {89, 45, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "D", {5, 82, 8, 10});
  l.Edit(D::kSize, {14, 81, 27, 12}, ui::kCentred);
  l.DropList(D::kSizeList, {8, 110, 38, 100});
  l.Label(ui::kNoId, "羽隙間　S=", {136, 117, 43, 10});
  l.Edit(D::kGap, {179, 116, 24, 12}, ui::kCentred);
  l.Label(ui::kNoId, "A=", {78, 132, 11, 10});
  l.Edit(D::kOperator, {89, 131, 24, 12}, ui::kCentred);

  l.Group("《種類》", {7, 156, 150, 40});
  for (int i = 0; i < 5; ++i) l.Radio(D::kKind1 + i, kKindNames[i], {12 + i * 29, 169, 29, 10}, 1);
  l.Label(ui::kNoId, "短管", {130, 182, 20, 10});
  l.Group("《配置基点》", {163, 156, 64, 40});
  for (int i = 0; i < 6; ++i) l.Radio(D::kReference1 + i, "", {178 + (i / 2) * 18, 168 + (i % 2) * 13, 10, 10}, 2);
  l.Check(D::kHatched, "FDハッチング有り", {14, 204, 80, 10});

  AddPreviewFrame(l, D::kPreview, {240, 18, 150, 118});
  AddFittingControls(l, Ids(), 3, {233, 144});
  return l;
}

std::vector<int> References(int count) {
  std::vector<int> ids;
  for (int i = 0; i < count; ++i) ids.push_back(D::kReference1 + i);
  return ids;
}

// (ox, oy) of a reference button: the upper row on the centre line, the
// lower row on the lower duct edge; the middle column at the blade axis for
// VD and MD, at the end of L2 for the others; the right column at the end
// of the extra short piece.
figure::Vec ReferenceOffset(int button, int kind, double l1, double l2, double l3, double d) {
  const double middle = kind == D::kVD || kind == D::kMD ? l1 : l1 + l2;
  const double x[] = {0, middle, l1 + l2 + l3};
  return {x[(button - 1) / 2], button % 2 == 0 ? d / 2 : 0};
}

}  // namespace

std::string DamperSettingsFile(int kind) {
  static const char* const files[] = {"Danpa_VD.ini", "Danpa_MD.ini", "Danpa_CD.ini", "Danpa_FD.ini", "Danpa_FT.ini"};
  return files[kind - 1];
}

// The kind's guide sketch, named as its settings file: Danpa_VD.tec ...
std::string DamperGuideFile(int kind) {
  std::string file = DamperSettingsFile(kind);
  return file.replace(file.size() - 3, 3, "tec");
}

std::vector<SettingLine> DamperSettings(int kind) {
  std::vector<SettingLine> lines = {TextLine(D::kLength1), TextLine(D::kLength2)};
  if (kind == D::kFDPlus) lines.push_back(TextLine(D::kLength3));
  for (int id : {D::kBlade, D::kOperator, D::kSize, D::kGap}) lines.push_back(TextLine(id));
  lines.push_back(ChoiceLine(References(kind == D::kFDPlus ? 6 : 4)));
  if (kind >= D::kFD) lines.push_back(CheckLine(D::kHatched));
  for (const SettingLine& line : {TextLine(D::kAngle), CheckLine(D::kMirror), CheckLine(D::kCurrentLayer)})
    lines.push_back(line);
  return lines;
}

Damper::Damper(ui::Env env)
    : FittingDialog(env, MakeLayout(),
                    FittingSetup{"", "Danpa.ini", {4, 70, 145}, 4, kStatusSet, Ids(), 0, {{kSizeList, kSize}}},
                    {ChoiceLine({kKind1, kKind1 + 1, kKind1 + 2, kKind1 + 3, kKind1 + 4})}) {}

void Damper::OnInit() {
  FittingDialog::OnInit();
  if (form().CheckedInGroup(1) == ui::kNoId) form().SetChecked(kKind1, true);
  KindChosen();
}

void Damper::FillLists() { FillSizeList(kSizeList); }

int Damper::kind() const {
  int checked = form().CheckedInGroup(1);
  return checked == ui::kNoId ? kVD : checked - kKind1 + 1;
}

void Damper::KindChosen() {
  const bool plus = kind() == kFDPlus;
  form().SetEnabled(kLength3, plus);
  form().SetText(kLength3Label, plus ? "L3=" : "");
  form().SetEnabled(kReference1 + 4, plus);
  form().SetEnabled(kReference1 + 5, plus);
  form().SetEnabled(kHatched, kind() >= kFD);
  ReadGuide(DamperGuideFile(kind()));
  LoadSettings(DamperSettingsFile(kind()), DamperSettings(kind()));
  // A kind without the reference point left checked (FD+'s right column,
  // or a settings line that matches no button) starts from the inlet.
  int reference = form().CheckedInGroup(2);
  if (reference == ui::kNoId || !form().Enabled(reference)) form().SetChecked(kReference1, true);
  Rebuild();
}

void Damper::OnCommand(int id, ui::Notify what) {
  if (what == ui::Notify::Click && id >= kKind1 && id < kKind1 + 5) {
    KindChosen();
  } else if (what == ui::Notify::Click && ((id >= kReference1 && id < kReference1 + 6) || id == kHatched)) {
    Rebuild();
  } else if (what == ui::Notify::Select && id == kSizeList) {
    form().SetText(kSize, form().Text(kSizeList));
    Rebuild();
  } else if (what == ui::Notify::Change && id >= kLength1 && id <= kSize) {
    SetStatus(kStatusStale);
  }
}

void Damper::SaveSettings() {
  FittingDialog::SaveSettings();
  drive().WriteLines(settings::SetFile(DamperSettingsFile(kind())), SettingsLines(DamperSettings(kind())));
}

// The damper with its operator, as placed, fits the preview frame.
double Damper::PreviewScale() const { return figure::RecordFitScale(figure(), 100, 78); }

void Damper::Build() {
  const int k = kind();
  const double l1 = Value(kLength1), l2 = Value(kLength2), l3 = k == kFDPlus ? Value(kLength3) : 0;
  const double w = Value(kBlade), s = Value(kGap), d = Value(kSize), h = d / 2;
  const double k1 = common().angleWidth, k2 = common().flange;
  const double l = l1 + l2 + l3;
  SetStatus(kStatusSet);
  int reference = form().CheckedInGroup(2);
  figure::Vec offset = ReferenceOffset(reference - kReference1 + 1, k, l1, l2, l3, d);
  placement().offsetX = offset.x;
  placement().offsetY = offset.y;

  figure::Figure& f = fig();
  f.SetFrame(l, h, 0, h);
  f.AddLineRecord(kSolid, kDuct, 0, h, l, h);
  f.AddLineRecord(kSolid, kDuct, 0, -h, l, -h);
  f.AddLineRecord(kSolid, kAngleLine, k1, h, k1, -h);
  f.AddLineRecord(kSolid, kAngleLine, l - k1, h, l - k1, -h);
  if (k == kFDPlus) {
    f.AddLineRecord(kSolid, kAngleLine, l1 + l2 - k1, h, l1 + l2 - k1, -h);
    f.AddLineRecord(kSolid, kAngleLine, l1 + l2 + k1, h, l1 + l2 + k1, -h);
  }
  f.AddLineRecord(kSolid, kFlangeLine, 0, k2 + h, 0, -k2 - h);
  f.AddLineRecord(kSolid, kFlangeLine, l, k2 + h, l, -k2 - h);
  if (k == kFDPlus) f.AddLineRecord(kSolid, kFlangeLine, l1 + l2, k2 + h, l1 + l2, -k2 - h);

  const double x0 = k == kCD ? l1 : l1 - w / 2, x1 = k == kCD ? l1 + w : l1 + w / 2, y = h - s;
  f.AddLineRecord(kDotted, kHiddenLine, x0, -y, x0, y);
  f.AddLineRecord(kDotted, kHiddenLine, x0, y, x1, y);
  f.AddLineRecord(kDotted, kHiddenLine, x1, y, x1, -y);
  f.AddLineRecord(kDotted, kHiddenLine, x1, -y, x0, -y);

  BuildOperator();
  if (k >= kFD && form().Checked(kHatched))
    figure::HatchPolygon(f, {{0, -h, 0, h}, {0, h, l, h}, {l, h, l, -h}, {l, -h, 0, -h}}, common().hatchWidth);
}

// The operator below the duct, with its centre line through the blade axis.
void Damper::BuildOperator() {
  const double l1 = Value(kLength1), l2 = Value(kLength2), a = Value(kOperator), h = Value(kSize) / 2;
  const double k2 = common().flange;
  figure::Figure& f = fig();
  switch (kind()) {
    case kVD:
      f.AddArcRecord(kSolid, kDuct, l1, -a - h, a / 2, 0, 360);
      f.AddLineRecord(kDashDot, kCentreLine, l1 - a, -a - h, l1 + a, -a - h);
      f.AddLineRecord(kDashDot, kCentreLine, l1, -2 * a - h, l1, k2 + h);
      break;
    case kMD:
      f.AddLineRecord(kSolid, kDuct, l1 - a / 2, -h, l1 - a / 2, -a - h);
      f.AddLineRecord(kSolid, kDuct, l1 - a / 2, -a - h, l1 + a / 2, -a - h);
      f.AddLineRecord(kSolid, kDuct, l1 + a / 2, -a - h, l1 + a / 2, -h);
      f.AddLineRecord(kDashDot, kCentreLine, l1, -a - k2 - h, l1, k2 + h);
      break;
    case kCD: {
      const double left = l1 - 2.5 * a, right = l1 - 1.5 * a, top = -a - h, bottom = -2 * a - h;
      f.AddLineRecord(kSolid, kDuct, left, bottom, left, top);
      f.AddLineRecord(kSolid, kDuct, left, top, right, top);
      f.AddLineRecord(kSolid, kDuct, right, top, right, bottom);
      f.AddLineRecord(kSolid, kDuct, right, bottom, left, bottom);
      f.AddLineRecord(kSolid, kDuct, right, -1.5 * a - h, (l1 + l2) / 2, -1.5 * a - h);
      // The arrow of the flow direction keeps its size in millimetres.
      const double tip = l1 + 15 + 80 * std::cos(0.5235986666666667);
      f.AddLineRecord(kSolid, kDuct, l1 + 15, -40, l1 + 15, 40);
      f.AddLineRecord(kSolid, kDuct, l1 + 15, 40, tip, 0);
      f.AddLineRecord(kSolid, kDuct, tip, 0, l1 + 15, -40);
      f.AddLineRecord(kDashDot, kCentreLine, l1, -2 * a - h, l1, k2 + h);
      break;
    }
    default:  // FD and FD+
      f.AddLineRecord(kSolid, kDuct, l1 - a, -h, l1 - a, -a - h);
      f.AddLineRecord(kSolid, kDuct, l1 - a, -a - h, l1 + a, -a - h);
      f.AddLineRecord(kSolid, kDuct, l1 + a, -a - h, l1 + a, -h);
      f.AddLineRecord(kSolid, kDuct, l1 - a, -a - h - 15, l1 + 2 * a, -a - h - 15);
      f.AddLineRecord(kDashDot, kCentreLine, l1, -a - k2 - h, l1, k2 + h);
  }
}

}  // namespace duct
