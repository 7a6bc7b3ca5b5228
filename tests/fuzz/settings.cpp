// The settings and list files of \Tavrin\set\ and \Tavrin\HaikanSet\ as the
// dialogs read them: one file replaced by the input, then a dialog opened,
// brought up to date, placed or saved, and painted. Nothing may crash, and
// the drawing data and take-off marker it writes hold only finite numbers.
//
// Input: one byte choosing the dialog, the file's name (in \Tavrin\set\ or
// \Tavrin\HaikanSet\) and a line end, then the file's bytes.
#include <functional>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "settings/AttributeDialog.h"
#include "tests/TakeoffFixture.h"
#include "tests/fuzz/FuzzSupport.h"
#include "ui/headless/Driver.h"

namespace {

struct Scene {
  std::function<std::unique_ptr<ui::DialogHandler>(ui::Env)> open;
  std::vector<std::string> clicks;  // in order; those the dialog does not allow are left out
};

std::vector<Scene> Scenes() {
  std::vector<Scene> scenes;
  for (const app::Command& command : app::DuctCommands()) scenes.push_back({command.open, {"表示更新", "配置実行"}});
  for (const app::Command& command : app::PipeCommands())
    scenes.push_back({command.open, {"配置実行", "集計開始", "末尾に追加", "OK"}});
  scenes.push_back({[](ui::Env env) { return std::make_unique<settings::AttributeDialog>(env); }, {"OK"}});
  scenes.push_back({[](ui::Env env) { return std::make_unique<app::CommandPanel>(env); }, {}});
  return scenes;
}

}  // namespace

// A marker extract for "集計開始", which reads the name lists.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string text;
  for (const std::string& line : test::Extract({{}, {.pipeKind = 1, .distance = 15}}, {{.length = 250}}))
    text += line + "\r\n";
  fuzz::FuzzDrive::Get().Install(R"(\Tavrin\HaikanSet\Toridasi.txt)", text);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<Scene> scenes = Scenes();
  std::string_view input = fuzz::Bytes(data, size);
  size_t end = input.find('\n');
  if (input.empty() || end == std::string_view::npos) return 0;
  const Scene& scene = scenes[static_cast<unsigned char>(input[0]) % scenes.size()];
  std::string name(input.substr(1, end - 1));
  if (name.find_first_of("\\/") != std::string::npos) return 0;
  fuzz::FuzzDrive& d = fuzz::FuzzDrive::Get();
  if (!d.Replace(R"(\Tavrin\set\)" + name, input.substr(end + 1)) &&
      !d.Replace(R"(\Tavrin\HaikanSet\)" + name, input.substr(end + 1)))
    return 0;

  auto dialog = scene.open(d.env());
  d.test().services().drivers.push_back([&](ui::DialogHandler& opened) {
    ui::Driver user(opened);
    for (const std::string& caption : scene.clicks) {
      try {
        user.Click(caption);
      } catch (const ui::DriverError&) {
      }
    }
    fuzz::NullCanvas canvas;
    opened.UserPaint(canvas);
  });
  dialog->RunModal();
  d.CheckPlacementFiles();
  d.Reset();
  return 0;
}
