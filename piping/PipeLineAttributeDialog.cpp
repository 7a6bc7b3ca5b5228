#include "piping/PipeLineAttributeDialog.h"

#include "piping/PipeFiles.h"
#include "settings/Paths.h"
#include "ui/Drive.h"
#include "ui/Text.h"

namespace piping {
namespace {

constexpr int kRowY = 30, kRowHeight = 16;

ui::Layout PipeLineAttributeLayout() {
  ui::Layout layout;
  layout.caption = "線属性設定";
  layout.width = 250;
  layout.height = 300;
  layout.Group("《配管線属性》", {7, 5, 236, 25 + kPipeNames * kRowHeight + 6});
  layout.Label(ui::kNoId, "管名（継手種類別）", {14, 17, 120, 10});
  layout.Label(ui::kNoId, "レイヤ", {142, 17, 44, 10}, ui::kCentred);
  layout.Label(ui::kNoId, "種-色", {190, 17, 44, 10}, ui::kCentred);
  for (int r = 0; r < kPipeNames; ++r) {
    int y = kRowY + r * kRowHeight;
    layout.Label(kPipeNameLabel + r, "", {14, y + 2, 125, 10});
    layout.Edit(kPipeLayer + r, {142, y, 44, 12}, ui::kCentred);
    layout.Edit(kPipeTypeColour + r, {190, y, 44, 12}, ui::kCentred);
  }
  int bottom = kRowY + kPipeNames * kRowHeight + 8;
  layout.Label(ui::kNoId, "※レイヤは、”レイヤグループ番号-レイヤ番号”です。", {7, bottom, 236, 10});
  layout.Label(ui::kNoId, "必ず半角（日本語変換OFF）で入力", {7, bottom + 13, 236, 10});
  layout.Button(ui::kIdOk, "OK", {190, bottom + 30, 53, 17}, ui::kDefault);
  return layout;
}

// Sets `failure` to the message of the last check that the type-colour
// field fails; leaves it alone when the field passes.
void CheckTypeColour(const std::string& typeColour, std::string& failure) {
  int lineType = ui::ToInt(ui::GetListField(typeColour, 1, '-'));
  int colour = ui::ToInt(ui::GetListField(typeColour, 2, '-'));
  if (lineType == 0) failure = "線種番号に0は入力できません。";
  if (lineType > 11) failure = "線種番号に12以上は入力できません。";
  if (colour == 0) failure = "線色番号に0・または文字は入力できません。";
  if (colour > 255) failure = "線色番号に256以上は入力できません。";
}

}  // namespace

PipeLineAttributeDialog::PipeLineAttributeDialog(ui::Env env) : DialogHandler(env, PipeLineAttributeLayout()) {}

void PipeLineAttributeDialog::OnInit() {
  std::vector<std::string> names = drive().ReadLines(settings::HaikanFile("HaikanName.ini"));
  std::vector<std::string> lines = drive().ReadLines(settings::HaikanFile("HaikanSet.ini"));
  for (int r = 0; r < kPipeNames; ++r) {
    form().SetText(kPipeNameLabel + r, ui::LineAt(names, r + 1));
    AttributeFields fields = SplitAttributeGroup(ui::LineAt(lines, r + 1));
    form().SetText(kPipeLayer + r, fields.layer);
    form().SetText(kPipeTypeColour + r, fields.typeColour);
  }
}

void PipeLineAttributeDialog::OnOk() {
  std::vector<std::string> lines;
  std::string failure;
  for (int r = 0; r < kPipeNames; ++r) {
    lines.push_back(JoinAttributeGroup(form().Text(kPipeLayer + r), form().Text(kPipeTypeColour + r)));
    CheckTypeColour(form().Text(kPipeTypeColour + r), failure);
  }
  if (failure.empty()) {
    drive().WriteLines(settings::HaikanFile("HaikanSet.ini"), lines);
  } else {
    Message(failure, "入力確認");
  }
  EndDialog(ui::kIdOk);
}

}  // namespace piping
