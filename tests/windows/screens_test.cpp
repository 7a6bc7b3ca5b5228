// Pictures of the panel and of every dialog as Tavrin.exe shows them under
// Wine, in build/screenshots/windows/, for the eye of whoever changes them.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <set>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "tests/TakeoffFixture.h"
#include "tests/windows/Wine.h"

namespace fs = std::filesystem;

namespace {

struct Shot {
  std::string name;
  std::vector<std::string> lines;  // from the panel, the last one the snapshot
};

// The dialog of every panel button, and a few states worth seeing.
std::vector<Shot> Shots() {
  std::vector<Shot> shots = {{"panel", {}}};
  for (const auto* table : {&app::DuctCommands(), &app::PipeCommands()}) {
    for (const app::Command& command : *table) {
      std::string name = command.title.value_or(command.caption);
      shots.push_back({std::to_string(command.buttonId) + "_" + name, {"press " + std::to_string(command.buttonId)}});
    }
  }
  shots.push_back({std::to_string(app::kAttributeButton) + "_角ダクト属性設定",
                   {"press " + std::to_string(app::kAttributeButton)}});
  shots.push_back({"catalogue_sheet",
                   {"press 1201", "select 1601 ねじ込み継手", "click エルボ", "select 1621 20", "dblclick 1621",
                    "mouse 528 33", "click 積算情報を付加する"}});
  shots.push_back({"catalogue_long_sheet_names", {"press 1201", "select 1601 鋳鉄管(簡略)－２"}});
  shots.push_back({"catalogue_attributes", {"press 1201", "click 属性設定"}});
  shots.push_back({"takeoff_fittings", {"press 1205", "click 集計開始", "expect-message 集計終了しました。"}});
  shots.push_back({"takeoff_pipes", {"press 1205", "click 集計開始", "expect-message 集計終了しました。", "click 配管"}});
  return shots;
}

}  // namespace

TEST(WindowsScreens, ThePanelAndEveryDialog) {
  REQUIRE_WINE(true);
  test::TestDrive t;
  test::PrepareTallyScript(t);
  const fs::path pictures = t.root() / "pictures";
  fs::create_directories(pictures);
  std::vector<std::string> script;
  const std::vector<Shot> shots = Shots();
  for (const Shot& shot : shots) {
    script.insert(script.end(), shot.lines.begin(), shot.lines.end());
    script.push_back("snapshot " + test::WindowsPath(pictures / (shot.name + ".bmp")));
    // Back to the panel.
    for (const std::string& line : shot.lines)
      if (line.starts_with("press ") || line == "click 属性設定") script.push_back("close");
  }
  script.push_back("click 終了");
  std::ofstream(t.root() / "screens.play") << [&] {
    std::string text;
    for (const std::string& line : script) text += line + "\n";
    return text;
  }();
  ASSERT_EQ(test::RunUnderWine(test::TavrinExe(), {"--drive", test::WindowsPath(t.root()), "--gui", "--play",
                                                   test::WindowsPath(t.root() / "screens.play")}),
            0);
  fs::create_directories(TAVRIN_SCREENSHOTS);
  for (const Shot& shot : shots) {
    QImage picture(QString::fromStdString((pictures / (shot.name + ".bmp")).string()));
    ASSERT_FALSE(picture.isNull()) << shot.name;
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 4u) << shot.name << " shows next to nothing";
    picture.save(QString::fromStdString(std::string(TAVRIN_SCREENSHOTS) + "/" + shot.name + ".png"));
  }
}
