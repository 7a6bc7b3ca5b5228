#include <gtest/gtest.h>

#include <algorithm>

#include "tests/TestDrive.h"
#include "ui/Text.h"

TEST(PipingPlay, PlacesACataloguePartWithTakeoffInformation) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("piping_catalogue_takeoff.play"));
  ASSERT_TRUE(run.ok) << run.output;
  EXPECT_EQ(t.Lines(R"(\jww\作図.bat)")[5], "REM  #0  【継手配置】配置位置を指示してください。");
  EXPECT_EQ(t.Lines(R"(\Tavrin\set\Command.ini)"), std::vector<std::string>{"0"});

  std::vector<std::string> lines = t.Lines(R"(\Tavrin\set\DrawData.txt)");
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
            (std::vector<std::string>{"lg0", "ly3", "lt1", "lc2"}));
  // The elbow from its part file: its 22 lines (beads, outline, threads, straight pipe, centre lines).
  auto geometry = std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l[0] == ' '; });
  EXPECT_EQ(geometry, 22);
  auto marker = std::find(lines.begin(), lines.end(), "lt9");
  ASSERT_NE(marker, lines.end());
  EXPECT_EQ(*(marker - 2), "lg0");
  EXPECT_EQ(*(marker + 1), "lc2");
  std::vector<std::string> radii, centres;
  for (auto it = marker + 2; it != lines.end(); ++it) {
    ASSERT_TRUE(ui::StartsWith(*it, "ci ")) << *it;
    centres.push_back(ui::GetListField(*it, 2, ' ') + " " + ui::GetListField(*it, 3, ' '));
    radii.push_back(ui::GetListField(*it, 4, ' '));
  }
  EXPECT_EQ(radii, (std::vector<std::string>{"9.111900e-001", "8.002800e-001", "7.001700e-001", "6.007600e-001",
                                             "5.020500e-001", "4.020400e-001", "3.001300e-001", "2.002200e-001",
                                             "1.050100e-001"}));
  EXPECT_EQ(std::count(centres.begin(), centres.end(), centres[0]), 9);
  // The marker starts where the elbow's first outline line does.
  EXPECT_EQ(centres[0], ui::GetListField(lines[4], 2, ' ') + " " + ui::GetListField(lines[4], 3, ' '));
  EXPECT_EQ(t.Lines(R"(\Tavrin\HaikanSet\Input.ini)"),
            (std::vector<std::string>{"0", "0", "0", "1", "給水", "SGP(白)", "6", "1", "2", "500"}));
}
