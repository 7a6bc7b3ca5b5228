#include "settings/AttributeDialog.h"

#include "settings/DuctSettings.h"
#include "settings/Paths.h"
#include "ui/Text.h"

namespace settings {
namespace {

const char* const kSlotCaptions[kSlots] = {"ダクト部", "アングル幅線", "フランジ接続線", "隠れ線",
                                            "器具線", "ハッチングジャバラ線", "中心線"};

constexpr int kRedNote = 1705;
constexpr int kColumnX = 122, kColumnWidth = 52, kRowY = 36, kRowHeight = 28;

ui::Layout AttributeLayout() {
  ui::Layout layout;
  layout.caption = "角ダクト属性設定";
  layout.width = 445;
  layout.height = 350;
  for (int c = 1; c <= kPresets; ++c) {
    int x = kColumnX + (c - 1) * kColumnWidth;
    layout.Label(ui::kNoId, std::to_string(c), {x, 6, 48, 10}, ui::kCentred);
    layout.Edit(kMemo + c, {x, 18, 48, 12}, ui::kCentred);
    for (int r = 1; r <= kSlots; ++r) {
      int y = kRowY + (r - 1) * kRowHeight;
      layout.Edit(LayerField(c, r), {x, y, 48, 12}, ui::kCentred);
      layout.Edit(TypeColourField(c, r), {x, y + 13, 48, 12}, ui::kCentred);
    }
  }
  layout.Label(ui::kNoId, "メモ⇒", {88, 19, 30, 10});
  for (int r = 1; r <= kSlots; ++r) {
    int y = kRowY + (r - 1) * kRowHeight;
    layout.Label(ui::kNoId, kSlotCaptions[r - 1], {7, y + 7, 82, 10});
    layout.Label(ui::kNoId, "レイヤ", {90, y + 1, 30, 10});
    layout.Label(ui::kNoId, "種-色", {90, y + 14, 30, 10});
  }

  layout.Group("《共通設定》", {7, 236, 180, 64});
  layout.Label(ui::kNoId, "アングル幅", {15, 251, 80, 10});
  layout.Edit(kAngleWidth, {100, 249, 50, 12}, ui::kCentred);
  layout.Label(ui::kNoId, "フランジ接合出幅", {15, 267, 80, 10});
  layout.Edit(kFlange, {100, 265, 50, 12}, ui::kCentred);
  layout.Label(ui::kNoId, "ハッチング幅", {15, 283, 80, 10});
  layout.Edit(kHatchWidth, {100, 281, 50, 12}, ui::kCentred);
  layout.Edit(kFrameMargin, {155, 249, 25, 12}, ui::kHidden);

  layout.Label(ui::kNoId,
               "※6種類の組み合わせが作成できます。\nメインメニューで選択した属性が以降の作図に反映されます。",
               {195, 238, 243, 20}, ui::kMultiline);
  layout.Label(ui::kNoId, "※メモ欄は変更できます。", {195, 260, 243, 10});
  layout.Label(ui::kNoId, "※レイヤは、”レイヤグループ番号-レイヤ番号”です。", {195, 271, 243, 10});
  layout.Label(ui::kNoId, "※線色はJwの線色番号です。", {195, 282, 243, 10});
  layout.Label(ui::kNoId, "※線種はJｗの線種番号です。", {195, 293, 243, 10});
  layout.Label(kRedNote, "種-色は必ず半角（日本語変換OFF）で入力", {7, 308, 180, 12}, ui::kCentred);

  // The hidden preset selector and line type names of the original form.
  layout.Label(ui::kNoId, "選択⇒", {7, 330, 30, 10}, ui::kHidden);
  for (int k = 1; k <= kPresets; ++k)
    layout.Radio(1900 + k, "設定-" + std::to_string(k), {40 + (k - 1) * 40, 330, 38, 10}, 1, ui::kHidden);
  for (int t = 1; t <= 11; ++t) layout.Label(kLineTypeName + t, "", {300, 300 + t, 10, 1}, ui::kHidden);

  layout.Button(ui::kIdCancel, "OK", {385, 326, 53, 17});
  return layout;
}

}  // namespace

int LayerField(int preset, int slot) { return kLayer + 10 * (preset - 1) + slot; }
int TypeColourField(int preset, int slot) { return kTypeColour + 10 * (preset - 1) + slot; }

AttributeDialog::AttributeDialog(ui::Env env) : DialogHandler(env, AttributeLayout()) {}

void AttributeDialog::OnInit() {
  form().SetColours(kRedNote, ui::Rgb{225, 0, 0}, ui::Rgb{192, 192, 192});
  std::vector<std::string> memos = ReadMemos(drive());
  for (int c = 1; c <= kPresets; ++c) form().SetText(kMemo + c, memos[c - 1]);
  std::vector<std::string> names = drive().ReadLines(SetFile("SenSyu.ini"));
  for (int t = 1; t <= 11; ++t) form().SetText(kLineTypeName + t, ui::LineAt(names, t));
  std::vector<std::string> presets = ReadPresetLines(drive());
  for (int c = 1; c <= kPresets; ++c) {
    for (int r = 1; r <= kSlots; ++r) {
      const std::string& line = presets[kSlots * (c - 1) + r - 1];
      SlotAttributes a = ParseSlotLine(line);
      form().SetText(LayerField(c, r), a.layerGroup + "-" + a.layer);
      bool separated = line.find('-') != std::string::npos;
      form().SetText(TypeColourField(c, r), separated ? a.lineType + "-" + a.colour : "Error");
    }
  }
  std::vector<std::string> common = ReadCommonTexts(drive());
  form().SetText(kAngleWidth, common[0]);
  form().SetText(kFlange, common[1]);
  form().SetText(kFrameMargin, common[2]);
  form().SetText(kHatchWidth, common[3]);
}

void AttributeDialog::OnCancel() {
  if (Save()) EndDialog(ui::kIdCancel);
}

// Writes the three files, or, with a hatching width below 30, says so, puts
// 30 into the field and keeps the dialog open with every edit in place.
bool AttributeDialog::Save() {
  std::vector<std::string> presets;
  for (int c = 1; c <= kPresets; ++c)
    for (int r = 1; r <= kSlots; ++r)
      presets.push_back(form().Text(LayerField(c, r)) + "-" + form().Text(TypeColourField(c, r)));
  std::vector<std::string> memos;
  for (int c = 1; c <= kPresets; ++c) memos.push_back(form().Text(kMemo + c));
  std::vector<std::string> common = {form().Text(kAngleWidth), form().Text(kFlange), form().Text(kFrameMargin),
                                     form().Text(kHatchWidth)};
  if (ui::ToReal(common[3]) < 30) {
    Message("ハッチング幅は30以上にしてください。", "入力確認");
    form().SetText(kHatchWidth, "30");
    return false;
  }
  WritePresetLines(drive(), presets);
  WriteMemos(drive(), memos);
  WriteCommonTexts(drive(), common);
  return true;
}

}  // namespace settings
