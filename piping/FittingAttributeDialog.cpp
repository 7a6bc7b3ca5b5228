#include "piping/FittingAttributeDialog.h"

#include "piping/Families.h"
#include "piping/PipeFiles.h"
#include "settings/Paths.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace piping {
namespace {

const char* const kPartCaptions[3] = {"実線部", "隠線部", "中心線"};

ui::Layout FittingAttributeLayout() {
  ui::Layout layout;
  layout.caption = "配管継手・部材属性設定";
  layout.width = 290;
  layout.height = 174;
  layout.Group("《配管・部材選択》", {7, 5, 276, 32});
  layout.DropList(kFamilyBox, {15, 17, 150, 150});
  layout.Label(kFamilyHeading, "", {7, 44, 276, 10});
  for (int p = 0; p < 3; ++p) {
    int x = 7 + p * 72;
    layout.Group(kPartCaptions[p], {x, 57, 68, 52});
    layout.Label(ui::kNoId, "レイヤ", {x + 5, 72, 26, 10});
    layout.Edit(kPartLayer + p, {x + 32, 70, 32, 12}, ui::kCentred);
    layout.Label(ui::kNoId, "種-色", {x + 5, 90, 26, 10});
    layout.Edit(kPartTypeColour + p, {x + 32, 88, 32, 12}, ui::kCentred);
  }
  layout.Label(ui::kNoId, "※中心線は\nロングエルボ等\n一部の部材に\nあります。", {223, 60, 62, 46}, ui::kMultiline);
  layout.Label(ui::kNoId, "※レイヤは、”レイヤグループ番号-レイヤ番号”です。", {7, 118, 276, 10});
  layout.Label(ui::kNoId, "必ず半角（日本語変換OFF）で入力", {7, 132, 276, 10});
  layout.Button(ui::kIdOk, "OK", {230, 150, 53, 17}, ui::kDefault);
  return layout;
}

}  // namespace

FittingAttributeDialog::FittingAttributeDialog(ui::Env env) : DialogHandler(env, FittingAttributeLayout()) {}

void FittingAttributeDialog::OnInit() {
  lines_ = drive().ReadLines(settings::HaikanFile("TugiteSet.ini"));
  lines_.resize(kFamilies);
  std::vector<std::string> names = drive().ReadLines(settings::HaikanFile("TugiteName.ini"));
  form().SetItems(kFamilyBox, names);
  ShowFamily(0);
}

void FittingAttributeDialog::OnNotify(int id, ui::Notify what) {
  if (id != kFamilyBox || what != ui::Notify::Select) return;
  int family = form().Selection(kFamilyBox);
  if (family < 0 || family >= kFamilies) return;
  StoreFamily();
  ShowFamily(family);
}

void FittingAttributeDialog::OnOk() {
  StoreFamily();
  drive().WriteLines(settings::HaikanFile("TugiteSet.ini"), lines_);
  EndDialog(ui::kIdOk);
}

void FittingAttributeDialog::ShowFamily(int family) {
  family_ = family;
  form().SetSelection(kFamilyBox, family);
  std::string name = ui::LineAt(form().Items(kFamilyBox), family + 1);
  form().SetText(kFamilyHeading, "【" + name + "】の設定");
  for (int p = 0; p < 3; ++p) {
    AttributeFields fields = SplitAttributeGroup(ui::GetListField(lines_[family], p + 1, ','));
    form().SetText(kPartLayer + p, fields.layer);
    form().SetText(kPartTypeColour + p, fields.typeColour);
  }
}

void FittingAttributeDialog::StoreFamily() {
  std::string line;
  for (int p = 0; p < 3; ++p) {
    if (p > 0) line += ",";
    line += JoinAttributeGroup(form().Text(kPartLayer + p), form().Text(kPartTypeColour + p));
  }
  lines_[family_] = line;
}

}  // namespace piping
