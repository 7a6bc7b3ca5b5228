#include "piping/CatalogueDialog.h"

#include <algorithm>
#include <cmath>

#include "figure/Preview.h"
#include "figure/RotationButtons.h"
#include "figure/Template.h"
#include "piping/CatalogueDrawData.h"
#include "piping/Families.h"
#include "piping/FittingAttributeDialog.h"
#include "piping/Marker.h"
#include "piping/PipeFiles.h"
#include "settings/Paths.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace piping {
namespace {

const char* const kChoosePrompt = "シートを選び、部品をクリックしてください。";

using settings::HaikanFile;
using ui::LineAt;

const ui::Rgb kSheetBack{255, 255, 255};
const ui::Rgb kChosenCell{0, 0, 255};
const char* const kRebuilt = "分類・サイズ選択";

constexpr int kSheetGroup = 1, kRotationGroup = 2, kReferenceGroup = 3;
constexpr int kColumns = 5, kRows = 4;

// The take-off group, and the part of it that only combined fittings use.
const int kTakeoffGroup[] = {kClassification, kClassificationLabel, kPipeKindBox, kPipeKindBoxLabel,
                             kDistanceLabel,  kDistanceHint,        kDistance,    kDistanceZero};
const int kCombinedInputs[] = {kPipeKindBox, kPipeKindBoxLabel, kDistanceLabel, kDistanceHint, kDistance,
                               kDistanceZero};

std::array<int, 8> RotationIds() {
  std::array<int, 8> ids;
  for (int i = 0; i < 8; ++i) ids[i] = kRotationFirst + i;
  return ids;
}

ui::Layout CatalogueLayout() {
  ui::Layout layout;
  layout.caption = "配置部材選択メニュー";
  layout.width = 476;
  layout.height = 290;

  layout.Group("《配置部材》", {7, 4, 112, 124});
  layout.List(kFamilyList, {13, 16, 100, 108}, ui::kBorder);
  layout.Group("《分類》", {124, 4, 108, 112});
  for (int s = 0; s < kSheets; ++s)
    layout.Radio(kSheetFirst + s, "-", {130, 16 + s * 16, 96, 14}, kSheetGroup, ui::kPushLike);
  layout.Label(ui::kNoId, "幹径", {237, 4, 31, 10}, ui::kCentred);
  layout.List(kMainSize, {237, 15, 31, 101}, ui::kBorder);
  layout.Label(ui::kNoId, "枝径", {271, 4, 31, 10}, ui::kCentred);
  layout.List(kBranchSize, {271, 15, 31, 101}, ui::kBorder);
  layout.Label(ui::kNoId, "★幹管ダブルクリックで枝管同径", {124, 120, 178, 10});

  figure::AddRotationButtons(layout, RotationIds(), {30, 160}, kRotationGroup);
  layout.Label(ui::kNoId, "角度", {58, 140, 20, 10});
  layout.Edit(kAngle, {80, 138, 30, 12}, ui::kRight);
  layout.Check(kMirror, "左右反転", {58, 156, 55, 12});
  layout.Group("<<基準点>>", {118, 132, 60, 60});
  for (int p = 0; p < 9; ++p)
    layout.Radio(kReferenceFirst + p, "", {125 + (p % 3) * 17, 145 + (p / 3) * 15, 13, 12}, kReferenceGroup,
                 ui::kPushLike);
  layout.Check(kCurrentLayer, "現在のレイヤに作図", {7, 200, 110, 12});
  layout.Check(kTakeoff, "積算情報を付加する", {7, 214, 110, 12});

  layout.Group("", {181, 130, 120, 104});
  layout.Label(kClassificationLabel, "【分　類】", {187, 138, 110, 10});
  layout.Combo(kClassification, {187, 149, 108, 120});
  layout.Label(kPipeKindBoxLabel, "【配管種類】", {187, 166, 110, 10});
  layout.Combo(kPipeKindBox, {187, 177, 108, 120});
  layout.Label(kDistanceLabel, "継手間距離（mm）", {187, 195, 70, 10});
  layout.Edit(kDistance, {187, 206, 50, 12}, ui::kRight);
  layout.Button(kDistanceZero, "0", {241, 206, 16, 12});
  layout.Label(kDistanceHint, "☆組合せ継手の場合の直管部分", {187, 221, 113, 10});

  layout.Label(kPartName, "", {303, 130, 164, 10}, ui::kCentred);
  layout.Frame(kPartPreview, {303, 142, 164, 100}, ui::kBorder);
  layout.Label(kCatalogueStatus, kRebuilt, {303, 246, 164, 12}, ui::kCentred);
  layout.Button(kAttributes, "属性設定", {303, 264, 52, 18});
  layout.Button(kPlace, "配置実行", {359, 264, 52, 18}, ui::kDefault);
  layout.Button(ui::kIdCancel, "終了", {415, 264, 52, 18});
  return layout;
}

int InRange(int value, int low, int high) { return value >= low && value <= high ? value : low; }

}  // namespace

int CellAt(int x, int y) {
  int dx = x - kSheetLeft, dy = y - kSheetTop;
  if (dx <= 0 || dy <= 0 || dx >= kColumns * kCellWidth || dy >= kRows * kCellHeight) return 0;
  if (dx % kCellWidth == 0 || dy % kCellHeight == 0) return 0;
  return dx / kCellWidth + 1 + kColumns * (dy / kCellHeight);
}

CatalogueDialog::CatalogueDialog(ui::Env env) : DialogHandler(env, CatalogueLayout()) {}

void CatalogueDialog::OnInit() {
  form().SetColours(kCatalogueStatus, kStatusText, kStatusBack);
  form().SetText(kAngle, "0");
  form().SetChecked(kReferenceFirst + kCentrePoint, true);
  form().SetItems(kFamilyList, drive().ReadLines(HaikanFile("TugiteName.ini")));

  std::vector<std::string> input = drive().ReadLines(HaikanFile("Input.ini"));
  form().SetText(kAngle, LineAt(input, 1));
  form().SetChecked(kMirror, ui::ToInt(LineAt(input, 2)) != 0);
  form().SetChecked(kCurrentLayer, ui::ToInt(LineAt(input, 3)) != 0);
  form().SetChecked(kTakeoff, ui::ToInt(LineAt(input, 4)) != 0);
  form().SetText(kDistance, LineAt(input, 10));
  EnableTakeoffGroup(form().Checked(kTakeoff));
  form().SetItems(kClassification, drive().ReadLines(HaikanFile("TugiteBunruiName.ini")));
  form().SetText(kClassification, LineAt(input, 5));

  family_ = InRange(ui::ToInt(LineAt(input, 7)), 0, kFamilies - 1);
  sheet_ = InRange(ui::ToInt(LineAt(input, 8)), 0, kSheets);
  cell_ = InRange(ui::ToInt(LineAt(input, 9)), 0, kCells);
  if (sheet_ > 0) form().SetChecked(kSheetFirst + sheet_ - 1, true);
  form().SetSelection(kFamilyList, family_);
  ReadAttributes();
  SetUpFamily();
  form().SetSelection(kMainSize, 5);
  form().SetSelection(kBranchSize, 5);
  form().SetText(kPipeKindBox, LineAt(input, 6));
  int rotation = figure::RotationIndex(ui::ToReal(form().Text(kAngle)));
  if (rotation >= 0) form().SetChecked(kRotationFirst + rotation, true);
  Refresh(kBoth);
}

void CatalogueDialog::OnNotify(int id, ui::Notify what) {
  if (id == kFamilyList && what == ui::Notify::Select) {
    if (form().Selection(kFamilyList) < 0) return;
    family_ = form().Selection(kFamilyList);
    return SetUpFamily();
  }
  if ((id == kMainSize || id == kBranchSize) && what == ui::Notify::Select) return Refresh(kPart);
  if (id == kMainSize && what == ui::Notify::DoubleClick) {
    form().SetSelection(kBranchSize, form().Selection(kMainSize));
    return Refresh(kPart);
  }
  if (id == kAngle && what == ui::Notify::Change) {
    int rotation = figure::RotationIndex(ui::ToReal(form().Text(kAngle)));
    for (int i = 0; i < 8; ++i) form().SetChecked(kRotationFirst + i, i == rotation);
    if (!form().Text(kAngle).empty()) Refresh(kPose);
    return;
  }
  if (what != ui::Notify::Click) return;
  if (id >= kSheetFirst && id < kSheetFirst + kSheets) {
    sheet_ = id - kSheetFirst + 1;
    return Refresh(kBoth);
  }
  if (id >= kRotationFirst && id < kRotationFirst + 8)
    return form().SetText(kAngle, std::to_string(figure::kRotationAngles[id - kRotationFirst]));
  if (id == kMirror || (id >= kReferenceFirst && id < kReferenceFirst + 9)) return Refresh(kPose);
  if (id == kTakeoff) {
    EnableTakeoffGroup(form().Checked(kTakeoff));
    return EnableCombinedInputs();
  }
  if (id == kDistanceZero) {
    form().SetText(kDistance, "0");
    return form().SetFocused(kDistance);
  }
  if (id == kPlace) return Place();
  if (id == kAttributes) {
    FittingAttributeDialog attributes(env());
    attributes.RunModal();
    ReadAttributes();
    return Refresh(kPose);
  }
}

void CatalogueDialog::OnMouseClick(int x, int y) {
  int cell = CellAt(x, y);
  if (cell == 0 || form().Selection(kMainSize) < 0 || form().Selection(kBranchSize) < 0) return;
  cell_ = cell;
  Refresh(kPart);
}

void CatalogueDialog::SetUpFamily() {
  const Family& family = FamilyAt(family_);
  for (int s = 1; s <= kSheets; ++s) {
    std::string caption = SheetCaption(family_, s);
    form().SetText(kSheetFirst + s - 1, caption);
    form().SetEnabled(kSheetFirst + s - 1, caption != "-");
  }
  // The sizes chosen before stay chosen where the new list has them.
  std::string main = LineAt(form().Items(kMainSize), form().Selection(kMainSize) + 1);
  std::string branch = LineAt(form().Items(kBranchSize), form().Selection(kBranchSize) + 1);
  std::vector<std::string> nominals;
  for (const SizeEntry& size : ReadSizeList(drive(), SizeListFile(family.materialClass)))
    nominals.push_back(size.nominal);
  form().SetItems(kMainSize, nominals);
  form().SetItems(kBranchSize, nominals);
  form().SetSelection(kMainSize, form().FindItem(kMainSize, main));
  form().SetSelection(kBranchSize, form().FindItem(kBranchSize, branch));
  if (family.pipeKindList == 0) {
    form().ClearItems(kPipeKindBox);
    form().SetText(kPipeKindBox, kRoundDuct);
  } else {
    // The kinds are numbered per list: a kind chosen in another family's
    // list would be counted as another pipe, so the choice starts anew.
    form().SetItems(kPipeKindBox, ReadPipeKinds(drive(), family.pipeKindList));
    form().SetText(kPipeKindBox, "");
  }
  Refresh(kBoth);
}

void CatalogueDialog::Refresh(Mode mode) {
  if (mode == kSheet || mode == kBoth) LoadSheet();
  if (mode == kPart || mode == kBoth) LoadPart();
  if (mode != kSheet) BuildPlaced();
  if (form().Checked(kTakeoff)) EnableCombinedInputs();
  form().Invalidate();
}

void CatalogueDialog::LoadSheet() {
  std::string picture = HaikanFile(sheet_ > 0 ? FamilyAt(family_).sheetPrefix + std::string("Sheet") +
                                                    std::to_string(sheet_) + ".tec"
                                              : "waku.tec");
  if (!drive().Exists(picture)) picture = HaikanFile("waku.tec");
  sheetPicture_ = drive().Exists(picture) ? figure::ReadTemplate(drive(), picture) : std::vector<std::string>{};
}

void CatalogueDialog::LoadPart() {
  const Family& family = FamilyAt(family_);
  std::string key = SheetKey(family_, sheet_);
  PartCode code;
  code.material = family.material;
  code.mainSize = SizeCode(family.materialClass, LineAt(form().Items(kMainSize), form().Selection(kMainSize) + 1));
  code.branchSize =
      SizeCode(family.materialClass, LineAt(form().Items(kBranchSize), form().Selection(kBranchSize) + 1));
  code.familyNumber = FamilyNumber(family_, sheet_);
  code.cell = cell_ > 0 ? CellCode(SheetNameField(drive().ReadLines(HaikanFile("SheetName.ini")), key, cell_))
                        : kNoCellCode;
  angle_ = ui::ToReal(form().Text(kAngle));
  partCode_ = FullCode(code, angle_);
  partFile_ = std::string("\\Tavrin\\") + family.folder + "\\" + StoredName(code) + ".ajc";
  if (code.cell.empty() || !drive().Exists(partFile_)) {
    part_ = PartFile{};
    // Before a part is chosen nothing is missing: say what to do instead.
    form().SetText(kPartName, cell_ > 0 ? "部品がありません。" : kChoosePrompt);
    return;
  }
  part_ = ParsePartFile(drive().ReadLines(partFile_));
  std::string name = cell_ > 0 ? PartNameField(drive().ReadLines(HaikanFile("BuzaiName.ini")), key, cell_) : "-";
  form().SetText(kPartName, name);
}

void CatalogueDialog::BuildPlaced() {
  angle_ = ui::ToReal(form().Text(kAngle));
  Pose pose;
  int point = form().CheckedInGroup(kReferenceGroup);
  pose.referencePoint = point == ui::kNoId ? kCentrePoint : point - kReferenceFirst;
  pose.mirror = form().Checked(kMirror);
  pose.angle = angle_;
  placed_ = PlacePart(part_, attributes_[family_], pose);
  form().SetText(kCatalogueStatus, kRebuilt);
}

void CatalogueDialog::EnableTakeoffGroup(bool on) {
  for (int id : kTakeoffGroup) form().SetEnabled(id, on);
}

void CatalogueDialog::EnableCombinedInputs() {
  if (!form().Checked(kTakeoff)) return;
  bool combined = IsCombinedFitting(family_, sheet_, cell_);
  for (int id : kCombinedInputs) form().SetEnabled(id, combined);
}

bool CatalogueDialog::Validate() {
  if (!form().Checked(kTakeoff)) return true;
  const char* problem = nullptr;
  if (form().Text(kClassification).empty()) {
    problem = "分類を選択してください。";
  } else if (form().Enabled(kDistance)) {
    if (form().Text(kPipeKindBox).empty()) problem = "管種を選択してください。";
    else if (ui::ToInt(form().Text(kDistance)) == 0) problem = "継手間距離を入力してください。";
  }
  if (!problem) return true;
  Message(problem, "確認");
  form().SetText(kCatalogueStatus, kRebuilt);
  return false;
}

void CatalogueDialog::Place() {
  if (!Validate()) return;
  Refresh(kPart);
  // Without a part there is nothing to place, and a marker alone would be
  // counted as a fitting: the last drawing data stays.
  if (placed_.records.empty()) {
    Message("部品がありません。部品とサイズを選び直してください。", "確認");
    return;
  }
  std::vector<std::string> lines = PartDrawData(placed_, form().Checked(kCurrentLayer));
  if (form().Checked(kTakeoff)) {
    std::vector<std::string> layerLines = drive().ReadLines(HaikanFile("SekisanSet.ini"));
    MarkerLayer layer{ui::ToInt(LineAt(layerLines, 1)) != 0, LineAt(layerLines, 2), LineAt(layerLines, 3)};
    std::vector<std::string> marker = MarkerDrawData(MarkerRadii(), placed_.markerCentre, attributes_[family_].solid,
                                                     layer, form().Checked(kCurrentLayer));
    lines.insert(lines.end(), marker.begin(), marker.end());
  }
  drive().WriteLines(settings::SetFile("DrawData.txt"), lines);
  WriteInput();
  form().SetText(kCatalogueStatus, "配置できます");
}

std::vector<std::string> CatalogueDialog::MarkerRadii() {
  bool combined = form().Enabled(kDistance);
  int distance = 0;
  if (combined) {
    if (form().Text(kDistance).empty()) form().SetText(kDistance, "0");
    if (ui::ToInt(form().Text(kDistance)) > 9999) form().SetText(kDistance, "9999");
    distance = ui::ToInt(form().Text(kDistance)) / 10;
  }
  const std::string& classification = form().Text(kClassification);
  int classificationValue =
      classification == "分類無" ? 0 : ListPosition(form().Items(kClassification), classification);
  int pipeKind = form().Enabled(kPipeKindBox) ? ListPosition(form().Items(kPipeKindBox), form().Text(kPipeKindBox)) : 0;
  auto size = [&](int id) { return ui::ToInt(LineAt(form().Items(id), form().Selection(id) + 1)); };
  return {MarkerRadius(9, 111),           MarkerRadius(8, classificationValue), MarkerRadius(7, pipeKind),
          MarkerRadius(6, family_ + 1),   MarkerRadius(5, size(kMainSize)),     MarkerRadius(4, size(kBranchSize)),
          MarkerRadius(3, sheet_),        MarkerRadius(2, cell_),               MarkerRadius(1, distance)};
}

void CatalogueDialog::WriteInput() {
  drive().WriteLines(HaikanFile("Input.ini"),
                     {form().Text(kAngle), Flag(form().Checked(kMirror)), Flag(form().Checked(kCurrentLayer)),
                      Flag(form().Checked(kTakeoff)), form().Text(kClassification), form().Text(kPipeKindBox),
                      std::to_string(family_), std::to_string(sheet_), std::to_string(cell_),
                      form().Text(kDistance)});
}

void CatalogueDialog::ReadAttributes() {
  std::vector<std::string> lines = drive().ReadLines(HaikanFile("TugiteSet.ini"));
  for (int f = 0; f < kFamilies; ++f) attributes_[f] = ParsePartAttributes(LineAt(lines, f + 1));
}

void CatalogueDialog::OnPaint(ui::Canvas& canvas) {
  canvas.FillRect({kSheetLeft, kSheetTop, kColumns * kCellWidth + 1, kRows * kCellHeight + 1}, kSheetBack);
  figure::DrawGuide(canvas, sheetPicture_, {1, kSheetLeft, kSheetTop}, {0, 0});
  if (cell_ > 0 && sheet_ > 0) {
    int x = kSheetLeft + (cell_ - 1) % kColumns * kCellWidth, y = kSheetTop + (cell_ - 1) / kColumns * kCellHeight;
    canvas.SetPen(kChosenCell);
    canvas.MoveTo(x + 1, y + 1);
    canvas.LineTo(x + kCellWidth - 1, y + 1);
    canvas.LineTo(x + kCellWidth - 1, y + kCellHeight - 1);
    canvas.LineTo(x + 1, y + kCellHeight - 1);
    canvas.LineTo(x + 1, y + 1);
  }
  DrawPart(canvas);
}

// The placed part scaled to fill the preview, the placement point at its centre.
void CatalogueDialog::DrawPart(ui::Canvas& canvas) const {
  ui::Rect frame = form().PixelRect(kPartPreview);
  canvas.FillRect({frame.x + 1, frame.y + 1, frame.width - 2, frame.height - 2}, figure::kPreviewBackground);
  double reach = 0;
  for (const PlacedRecord& record : placed_.records) {
    auto field = [&](int n) { return std::fabs(ui::ToReal(ui::GetListField(record.text, n, ','))); };
    if (record.text[0] == '1') reach = std::max({reach, field(4), field(5), field(6), field(7)});
    else reach = std::max({reach, field(4) + field(6), field(5) + field(6)});
  }
  const double s = reach > 0 ? (std::min(frame.width, frame.height) / 2 - 8) / reach : 1;
  const double cx = (frame.x + frame.right()) / 2, cy = (frame.y + frame.bottom()) / 2;
  for (const PlacedRecord& record : placed_.records) {
    auto field = [&](int n) { return ui::ToReal(ui::GetListField(record.text, n, ',')); };
    if (record.lineKind == 2) canvas.SetPen(figure::kDottedColour, ui::PenStyle::Dot);
    else if (record.lineKind == 5) canvas.SetPen(figure::kDashDotColour, ui::PenStyle::DashDot);
    else canvas.SetPen(figure::SlotColour(1));
    if (record.text[0] == '1') {
      canvas.MoveTo(static_cast<int>(cx + s * field(4)), static_cast<int>(cy - s * field(5)));
      canvas.LineTo(static_cast<int>(cx + s * field(6)), static_cast<int>(cy - s * field(7)));
    } else {
      figure::DrawArc(canvas, cx + s * field(4), cy - s * field(5), s * field(6), field(7), field(8));
    }
  }
  canvas.SetPen(figure::kMarkerColour);
  int mx = static_cast<int>(cx), my = static_cast<int>(cy);
  canvas.Arc({mx - 2, my - 2, 4, 4}, mx + 2, my, mx + 2, my);
}

}  // namespace piping
