#include "takeoff/TakeoffSettingsDialog.h"

#include "settings/Paths.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

using settings::HaikanFile;

const char* const kListCaptions[kListCount] = {"継手：分類", "配管：分類", "鋼管種類", "塩ビ管種類",
                                               "銅管種類",   "SUS管種類",  "鋳鉄管種類"};
const char* const kListFiles[kListCount] = {"TugiteBunruiName.ini", "KanBunruiName.ini", "KanName1.ini",
                                            "KanName2.ini",         "KanName3.ini",      "KanName4.ini",
                                            "KanName5.ini"};

constexpr int kListGroup = 1, kFittingLayerGroup = 2, kPipeLayerGroup = 3;
const char* const kForbidden = "： _ | ~ $　は使用できません。";

ui::Layout TakeoffSettingsLayout() {
  ui::Layout layout;
  layout.caption = "積算設定";
  layout.width = 330;
  layout.height = 300;

  layout.Group("<<入力切替>>", {7, 5, 80, 122});
  for (int i = 0; i < kListCount; ++i)
    layout.Radio(kListFirst + i, kListCaptions[i], {14, 18 + i * 15, 68, 12}, kListGroup);

  layout.Label(ui::kNoId, "<<一覧>>", {95, 5, 100, 10});
  layout.List(kEntries, {95, 16, 130, 111}, ui::kBorder);
  layout.Label(ui::kNoId, "<<入力欄>>", {233, 5, 90, 10});
  layout.Edit(kInput, {233, 16, 90, 12});
  layout.Button(kAddFirst, "先頭に追加", {233, 34, 90, 15});
  layout.Button(kAddLast, "末尾に追加", {233, 52, 90, 15});
  layout.Button(kInsertAtSelection, "選択位置に追加", {233, 70, 90, 15}, ui::kDisabled);
  layout.Button(kReplaceSelection, "選択位置を修正", {233, 88, 90, 15}, ui::kDisabled);
  layout.Button(kDeleteSelection, "選択位置を削除", {233, 106, 90, 15}, ui::kDisabled);

  layout.Label(ui::kNoId,
               "※登録変更以前に作図されたものについては反映されません。\n"
               "内容の順番が変わると正しく積算されませんので、必ず変更後に配置･作図してください。",
               {7, 133, 316, 20}, ui::kMultiline);

  layout.Group("積算情報用レイヤ", {7, 157, 316, 114});
  layout.Label(ui::kNoId, "積算情報用の円をどのレイヤに描くかを設定します。", {15, 170, 300, 10});
  const struct {
    const char* head;
    const char* own;
    int x, ownId, fixedId, groupId, layerId, radioGroup;
  } sides[] = {
      {"【継手】", "継手と同じレイヤ", 15, kFittingOwnLayer, kFittingFixedLayer, kFittingGroup, kFittingLayer,
       kFittingLayerGroup},
      {"【配管線】", "配管と同じレイヤ", 170, kPipeOwnLayer, kPipeFixedLayer, kPipeGroup, kPipeLayer,
       kPipeLayerGroup},
  };
  for (const auto& side : sides) {
    layout.Label(ui::kNoId, side.head, {side.x, 185, 140, 10});
    layout.Radio(side.ownId, side.own, {side.x + 5, 198, 140, 12}, side.radioGroup);
    layout.Radio(side.fixedId, "指定レイヤ", {side.x + 5, 212, 140, 12}, side.radioGroup);
    layout.Label(ui::kNoId, "レイヤグループ", {side.x + 15, 230, 60, 10});
    layout.Edit(side.groupId, {side.x + 80, 228, 40, 12}, ui::kCentred);
    layout.Label(ui::kNoId, "レイヤ", {side.x + 15, 248, 60, 10});
    layout.Edit(side.layerId, {side.x + 80, 246, 40, 12}, ui::kCentred);
  }

  layout.Button(ui::kIdOk, "OK", {270, 278, 53, 16}, ui::kDefault);
  return layout;
}

}  // namespace

const char* ListFile(int list) { return kListFiles[list]; }

TakeoffSettingsDialog::TakeoffSettingsDialog(ui::Env env) : DialogHandler(env, TakeoffSettingsLayout()) {}

void TakeoffSettingsDialog::OnInit() {
  ShowList(0);
  std::vector<std::string> lines = drive().ReadLines(HaikanFile("SekisanSet.ini"));
  form().SetChecked(ui::ToInt(ui::LineAt(lines, 1)) != 0 ? kFittingFixedLayer : kFittingOwnLayer, true);
  form().SetText(kFittingGroup, ui::LineAt(lines, 2));
  form().SetText(kFittingLayer, ui::LineAt(lines, 3));
  form().SetChecked(ui::ToInt(ui::LineAt(lines, 4)) != 0 ? kPipeFixedLayer : kPipeOwnLayer, true);
  form().SetText(kPipeGroup, ui::LineAt(lines, 5));
  form().SetText(kPipeLayer, ui::LineAt(lines, 6));
}

void TakeoffSettingsDialog::OnNotify(int id, ui::Notify what) {
  if (id >= kListFirst && id < kListFirst + kListCount && what == ui::Notify::Click) {
    if (id - kListFirst == list_) return;
    // The button of the list shown stays checked until the chosen list is
    // read, so that a list that cannot be stored or read leaves the two
    // together and edits go to the file they were made in.
    form().SetChecked(kListFirst + list_, true);
    StoreList();
    return ShowList(id - kListFirst);
  }
  if (id == kEntries && what == ui::Notify::Select) {
    int at = form().Selection(kEntries);
    if (at >= 0) form().SetText(kInput, form().Items(kEntries)[at]);
    return EnablePositionButtons();
  }
  if (what != ui::Notify::Click) return;
  if (id == kAddFirst || id == kAddLast || id == kInsertAtSelection || id == kReplaceSelection) return AddEntry(id);
  if (id == kDeleteSelection) return DeleteSelected();
}

void TakeoffSettingsDialog::OnOk() {
  StoreList();
  drive().WriteLines(HaikanFile("SekisanSet.ini"),
                     {form().Checked(kFittingFixedLayer) ? "1" : "0", form().Text(kFittingGroup),
                      form().Text(kFittingLayer), form().Checked(kPipeFixedLayer) ? "1" : "0",
                      form().Text(kPipeGroup), form().Text(kPipeLayer)});
  EndDialog(ui::kIdOk);
}

void TakeoffSettingsDialog::ShowList(int list) {
  std::vector<std::string> entries = drive().ReadLines(HaikanFile(kListFiles[list]));
  list_ = list;
  form().SetChecked(kListFirst + list, true);
  form().SetItems(kEntries, entries);
  form().SetText(kInput, "");
  EnablePositionButtons();
}

void TakeoffSettingsDialog::StoreList() const {
  drive().WriteLines(HaikanFile(kListFiles[list_]), form().Items(kEntries));
}

void TakeoffSettingsDialog::EnablePositionButtons() {
  bool selected = form().Selection(kEntries) >= 0;
  for (int id : {kInsertAtSelection, kReplaceSelection, kDeleteSelection}) form().SetEnabled(id, selected);
}

// Markers and the tally separate their fields with these characters, and the
// tally finds an entry by its beginning, so neither may be ambiguous.
bool TakeoffSettingsDialog::Acceptable(const std::string& text) {
  auto has = [&](const char* piece) { return text.find(piece) != std::string::npos; };
  int refusals = (has("_") || has(":") || has("：")) + has("|") + has("~") + has("$");
  for (int i = 0; i < refusals; ++i) Message(kForbidden, "確認");
  if (refusals > 0) return false;
  for (const std::string& entry : form().Items(kEntries))
    if (entry.size() >= text.size() && ui::CompareNoCase(entry.substr(0, text.size()), text) == 0) return false;
  return true;
}

void TakeoffSettingsDialog::AddEntry(int id) {
  std::string text = form().Text(kInput);
  if (text.empty() || !Acceptable(text)) return;
  int at = form().Selection(kEntries);
  if (id == kAddFirst) {
    form().InsertItem(kEntries, 0, text);
  } else if (id == kAddLast) {
    form().AddItem(kEntries, text);
  } else if (at < 0) {
    return;
  } else if (id == kInsertAtSelection) {
    form().InsertItem(kEntries, at, text);
  } else {
    form().SetItem(kEntries, at, text);
    form().SetSelection(kEntries, at);
  }
  EnablePositionButtons();
}

void TakeoffSettingsDialog::DeleteSelected() {
  int at = form().Selection(kEntries);
  if (at < 0) return;
  form().DeleteItem(kEntries, at);
  form().SetSelection(kEntries, at);  // none when the last entry went
  EnablePositionButtons();
}

}  // namespace takeoff
