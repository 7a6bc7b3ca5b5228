// The manual the panel's "ヘルプ" opens: a section with its picture for
// every command of the panel, no link to nothing, and installed on the drive
// with its pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/CommandPanel.h"
#include "app/CommandTable.h"
#include "tests/TestDrive.h"

namespace {

const std::filesystem::path kManualFolder = TAVRIN_SOURCE_DATA "/Tavrin/Mnl";

std::string ManualText() {
  std::ifstream in(kManualFolder / "Manual.htm");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The caption as a reader sees it: without the padding of full-width blanks.
std::string Shown(std::string caption) {
  const std::string blank = "　";
  while (caption.size() >= blank.size() && caption.compare(caption.size() - blank.size(), blank.size(), blank) == 0)
    caption.resize(caption.size() - blank.size());
  return caption;
}

}  // namespace

TEST(Manual, EveryCommandOfThePanelHasItsSectionAndPicture) {
  const std::string manual = ManualText();
  ASSERT_FALSE(manual.empty());
  std::vector<std::pair<int, std::string>> commands;
  for (const auto* table : {&app::DuctCommands(), &app::PipeCommands()})
    for (const app::Command& command : *table) commands.emplace_back(command.buttonId, command.caption);
  commands.emplace_back(app::kAttributeButton, "属性設定");
  for (const auto& [id, caption] : commands) {
    const std::string name = "cmd" + std::to_string(id);
    SCOPED_TRACE(caption);
    size_t start = manual.find("<section id=\"" + name + "\">");
    ASSERT_NE(start, std::string::npos);
    const std::string section = manual.substr(start, manual.find("</section>", start) - start);
    const std::string heading = section.substr(section.find("<h3>"), section.find("</h3>") - section.find("<h3>"));
    EXPECT_NE(heading.find(Shown(caption)), std::string::npos) << heading;
    EXPECT_NE(section.find("<img src=\"img/" + name + ".png\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(kManualFolder / "img" / (name + ".png")));
  }
}

TEST(Manual, EveryPictureAndLinkLeadsSomewhere) {
  const std::string manual = ManualText();
  const std::regex picture("src=\"([^\"]+)\""), link("href=\"#([^\"]+)\"");
  int pictures = 0, links = 0;
  for (std::sregex_iterator it(manual.begin(), manual.end(), picture), end; it != end; ++it, ++pictures)
    EXPECT_TRUE(std::filesystem::exists(kManualFolder / (*it)[1].str())) << (*it)[1];
  for (std::sregex_iterator it(manual.begin(), manual.end(), link), end; it != end; ++it, ++links)
    EXPECT_NE(manual.find("id=\"" + (*it)[1].str() + "\""), std::string::npos) << (*it)[1];
  EXPECT_GE(pictures, 26);
  EXPECT_GE(links, 10);
}

TEST(Manual, IsInstalledOnTheDriveWithItsPictures) {
  test::TestDrive t;
  std::vector<std::string> lines = t.Lines(R"(\Tavrin\Mnl\Manual.htm)");  // Shift-JIS on the drive
  ASSERT_GT(lines.size(), 100u);
  EXPECT_EQ(lines[3], "<meta charset=\"Shift_JIS\">");
  EXPECT_EQ(t.Bytes(R"(\Tavrin\Mnl\img\cmd1103.png)").substr(1, 3), "PNG");
}
