#include "app/CommandPanel.h"

#include "app/Programs.h"
#include "settings/AttributeDialog.h"
#include "settings/DuctSettings.h"
#include "ui/Drive.h"

namespace app {
namespace {

using ui::Rect;

const ui::Rgb kStatusText{50, 50, 255};
const ui::Rgb kStatusBack{192, 192, 192};

// A preset number the files may hold, or preset 1 for anything else.
int ValidPreset(int k) { return k >= 1 && k <= settings::kPresets ? k : 1; }

std::string StatusText(const std::string& name) { return "属性は【" + name + "】が選択されています。"; }

ui::Layout PanelLayout() {
  ui::Layout layout;
  layout.caption = "Tavrin【配管・ダクト】";
  layout.width = 490;
  layout.height = 206;

  layout.Group("<<角ダクトコマンド>>", {7, 5, 236, 178});
  const auto& duct = DuctCommands();
  for (size_t i = 0; i < duct.size(); ++i) {
    int column = static_cast<int>(i) / 9, row = static_cast<int>(i) % 9;
    layout.Radio(duct[i].buttonId, duct[i].caption, {14 + column * 114, 18 + row * 18, 108, 15}, kDuctGroup,
                 ui::kPushLike);
  }

  const char* pipeGroups[] = {"<<配管継手>>", "<<配管線作図>>", "<<継手・配管積算>>"};
  const auto& pipe = PipeCommands();
  for (int g = 0; g < 3; ++g) {
    int top = 5 + g * 60;
    layout.Group(pipeGroups[g], {250, top, 113, 58});
    for (int b = 0; b < 2; ++b) {
      const Command& command = pipe[g * 2 + b];
      layout.Radio(command.buttonId, command.caption, {258, top + 14 + b * 20, 97, 16}, kPipeGroup, ui::kPushLike);
    }
  }

  layout.Group("<<線属性>>", {370, 5, 113, 136});
  for (int k = 0; k < settings::kPresets; ++k)
    layout.Radio(kPresetFirst + k, "-", {379, 17 + k * 16, 98, 13}, kPresetGroup);
  layout.Radio(kAttributeButton, "属性設定", {379, 117, 97, 16}, kPresetGroup, ui::kPushLike);

  layout.Button(kHelpButton, "ヘルプ", {370, 150, 54, 18});
  layout.Button(ui::kIdCancel, "終了", {429, 150, 54, 18});
  layout.Label(kStatusLabel, "-", {100, 189, 290, 12}, ui::kCentred);
  return layout;
}

}  // namespace

CommandPanel::CommandPanel(ui::Env env) : DialogHandler(env, PanelLayout()) {}

void CommandPanel::OnInit() {
  form().SetColours(kStatusLabel, kStatusText, kStatusBack);
  SelectPreset(0);
  RefreshStatus();
  // Said at once rather than when Jw_cad fails to start it.
  if (auto missing = MissingProgram(drive()))
    form().SetText(kStatusLabel, R"(\Tavrin\exe\)" + *missing + " がありません。Jw_cadで作図できません。");
}

void CommandPanel::OnNotify(int id, ui::Notify what) {
  if (what != ui::Notify::Click) return;
  if (const Command* command = FindCommand(id)) return Open(*command);
  if (id >= kPresetFirst && id < kPresetFirst + settings::kPresets) return SelectPreset(id - kPresetFirst + 1);
  if (id == kAttributeButton) return OpenAttributeDialog();
  if (id == kHelpButton) return Help();
}

void CommandPanel::SelectPreset(int k) {
  std::vector<std::string> names = settings::ReadMemos(drive());
  if (k == 0) {
    // A Sentaku.ini outside 1..6 selects preset 1, so that some preset is
    // always active and DakutoSet.ini always matches a block.
    k = ValidPreset(settings::ReadSelectedPreset(drive()));
    form().SetChecked(kPresetFirst + k - 1, true);
  }
  for (int i = 0; i < settings::kPresets; ++i) form().SetText(kPresetFirst + i, names[i]);
  form().SetText(kStatusLabel, StatusText(names[k - 1]));
  std::vector<std::string> presets = settings::ReadPresetLines(drive());
  int checked = form().CheckedInGroup(kPresetGroup) - kPresetFirst + 1;
  int j = ValidPreset(checked);
  settings::ActivatePreset(drive(), presets, j);
  settings::WriteSelectedPreset(drive(), j);
}

void CommandPanel::RefreshStatus() {
  std::vector<std::string> names = settings::ReadMemos(drive());
  int n = ValidPreset(settings::ReadSelectedPreset(drive()));
  form().SetText(kStatusLabel, StatusText(names[n - 1]));
  form().SetChecked(kPresetFirst + n - 1, true);
}

void CommandPanel::Open(const Command& command) {
  if (command.title) WriteBatchFile(env(), command.mode, *command.title);
  command.open(env())->RunModal();
  if (command.number) {
    RecordCommand(drive(), *command.number);
    RefreshStatus();
    form().SetText(kHelpButton, "ヘルプ");
  }
}

void CommandPanel::OpenAttributeDialog() {
  settings::AttributeDialog dialog(env());
  dialog.RunModal();
  RefreshStatus();
}

void CommandPanel::Help() {
  form().SetText(kHelpButton, "読込中･･");
  services().SetWaitCursor(true);
  services().ShellOpen(drive().Locate(R"(\Tavrin\Mnl\Manual.htm)"));
  form().SetText(kHelpButton, "ヘルプ");
  services().SetWaitCursor(false);
}

}  // namespace app
