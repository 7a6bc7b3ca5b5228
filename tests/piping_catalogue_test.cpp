#include <gtest/gtest.h>

#include "piping/CatalogueDialog.h"
#include "piping/CatalogueDrawData.h"
#include "piping/Families.h"
#include "piping/PartCode.h"
#include "piping/PartFile.h"
#include "tests/TestDrive.h"
#include "ui/Text.h"
#include "ui/headless/Driver.h"

using namespace piping;

namespace {

// The pixel in the middle of cell 1..20 of the sheet picture.
std::pair<int, int> CellCentre(int cell) {
  return {kSheetLeft + (cell - 1) % 5 * kCellWidth + 24, kSheetTop + (cell - 1) / 5 * kCellHeight + 22};
}

struct Catalogue {
  test::TestDrive t;
  CatalogueDialog dialog{t.env()};
  ui::Driver user{dialog};
  Catalogue() { dialog.UserInit(); }
  Catalogue(const std::vector<std::string>& input) {
    t.Write(R"(\Tavrin\HaikanSet\Input.ini)", input);
    dialog.UserInit();
  }
  void Pick(int family, int sheet, const std::string& size, int cell) {
    user.SelectIndex(kFamilyList, family);
    user.Click(kSheetFirst + sheet - 1);
    user.Select(kMainSize, size);
    user.DoubleClick(kMainSize);
    auto [x, y] = CellCentre(cell);
    user.Mouse(x, y);
  }
  std::vector<std::string> DrawData() { return t.Lines(R"(\Tavrin\set\DrawData.txt)"); }
  // The radius texts of the marker circles, as written.
  std::vector<std::string> MarkerRadii() {
    std::vector<std::string> radii;
    bool marker = false;
    for (const std::string& line : DrawData()) {
      if (line == "lt9") marker = true;
      if (marker && ui::StartsWith(line, "ci ")) radii.push_back(ui::FormatFixed(ui::ToReal(ui::GetListField(line, 4, ' '))).substr(0, 7));
    }
    return radii;
  }
};

}  // namespace

TEST(CatalogueNames, PartCodeAndStoredName) {
  EXPECT_EQ(AngleSuffix(0), "_A");
  EXPECT_EQ(AngleSuffix(135), "_D");
  EXPECT_EQ(AngleSuffix(315), "_H");
  EXPECT_EQ(AngleSuffix(30), "N");
  EXPECT_EQ(AngleSuffix(360), "N");
  EXPECT_EQ(CellCode("L10A"), "L1001");
  EXPECT_EQ(CellCode("T00Z"), "T0026");
  EXPECT_EQ(CellCode("-"), "");
  EXPECT_EQ(SizeCode(1, "20"), "05");
  EXPECT_EQ(SizeCode(1, "18"), "");
  EXPECT_EQ(SizeCode(3, "18"), "04");

  PartCode code{'K', "09", "09", "09", "L1001"};
  EXPECT_EQ(StoredName(code), "KPUPUPUL1001");
  EXPECT_EQ(FullCode(code, 90), "K090909L1001_C");
  PartCode withoutSize{'K', SizeCode(1, "18"), "05", "01", "L1001"};
  EXPECT_EQ(StoredName(withoutSize).size(), StoredName(code).size() - 2);
}

TEST(CatalogueNames, SheetAndPartNameLookUps) {
  std::vector<std::string> lines = {"1-1:a:X10A:Y10A", "11-1:b:Z10A", "1-1:c:W10A:V10B", "1-10:d:Q10A"};
  EXPECT_EQ(SheetKey(0, 1), "1-1");
  EXPECT_EQ(SheetNameField(lines, "1-1", 2), "Q10A");  // the last line that begins with the key
  EXPECT_EQ(PartNameField(lines, "1-1", 2), "V10B");   // the last line of exactly this key
  EXPECT_EQ(PartNameField(lines, "1-1", 5), "V10B");
}

TEST(CatalogueCells, OpenIntervalsOfTheGrid) {
  EXPECT_EQ(CellAt(456, 12), 1);
  EXPECT_EQ(CellAt(503, 55), 1);
  EXPECT_EQ(CellAt(504, 30), 0);
  EXPECT_EQ(CellAt(505, 30), 2);
  EXPECT_EQ(CellAt(699, 190), 20);
  EXPECT_EQ(CellAt(700, 100), 0);
  EXPECT_EQ(CellAt(600, 56), 0);
  EXPECT_EQ(CellAt(455, 30), 0);
  EXPECT_EQ(CellAt(600, 57), 8);
  EXPECT_TRUE(IsCombinedFitting(0, 1, 2));
  EXPECT_FALSE(IsCombinedFitting(0, 1, 4));
  EXPECT_TRUE(IsCombinedFitting(12, 4, 9));
  EXPECT_FALSE(IsCombinedFitting(13, 1, 2));
  EXPECT_EQ(FamilyNumber(20, 4), "05");
  EXPECT_EQ(FamilyNumber(20, 1), "24");
}

TEST(CataloguePart, PlacesRecordsThroughReferenceMirrorAndRotation) {
  PartFile part = ParsePartFile({"x,2,10,-5,20,8", "1,1,0,1,-4,6,8", "2,2,0,0,-3,2,0,90", "1,3,0,0,0,0,0",
                                 "1,5,0,0,0,3,0"});
  EXPECT_EQ(part.bottom, 5);
  PartAttributes a = ParsePartAttributes("1-2-3-4,5-6-7-8,9-A-B-C");
  // Top-left reference (−20, 8), scale 2: the line (1, 2)-(2, −2) moves by (40, −16).
  PlacedPart placed = PlacePart(part, a, {0, false, 0});
  ASSERT_EQ(placed.records.size(), 3u);  // line kind 3 is dropped
  EXPECT_EQ(placed.records[0].text, "1,3,4,42.000000,-12.000000,44.000000,-20.000000,1,2,");
  EXPECT_EQ(placed.records[1].text, "2,7,8,40.000000,-10.000000,4.000000,0.000000,90.000000,5,6,");
  EXPECT_EQ(placed.records[2].lineKind, 5);
  EXPECT_DOUBLE_EQ(placed.markerCentre.x, 42);

  placed = PlacePart(part, a, {kCentrePoint, true, 90});
  // Mirrored (−2, 2)-(−4, −4), then turned by 90°.
  EXPECT_EQ(placed.records[0].text, "1,3,4,-4.000000,-2.000000,4.000000,-4.000000,1,2,");
  // The arc 0..90 mirrors to 90..180 and turns to 180..270.
  EXPECT_EQ(ui::GetListField(placed.records[1].text, 7, ','), "180.000000");
  EXPECT_EQ(ui::GetListField(placed.records[1].text, 8, ','), "270.000000");

  PartFile circle = ParsePartFile({"x,1,1,1,1,1", "2,1,0,0,0,1,90,90"});
  EXPECT_EQ(ui::GetListField(PlacePart(circle, a, {}).records[0].text, 8, ','), "360.000000");
}

TEST(CataloguePart, DrawDataWritesAttributesWhereTheyChange) {
  PlacedPart part;
  part.records = {{1, "1,1,2,0.000000,0.000000,10.000000,0.000000,0,3,"},
                  {1, "1,1,2,10.000000,0.000000,10.000000,5.000000,0,3,"},
                  {5, "2,5,1,0.000000,0.000000,50.000000,0.000000,360.000000,0,4,"}};
  EXPECT_EQ(PartDrawData(part, false),
            (std::vector<std::string>{"lg0", "ly3", "lt1", "lc2",
                                      " 0.000000e+000 0.000000e+000 1.000000e+001 0.000000e+000",
                                      " 1.000000e+001 0.000000e+000 1.000000e+001 5.000000e+000", "ly4", "lt5",
                                      "lc1",
                                      "ci 0.000000e+000 0.000000e+000 5.000000e+001 0.000000e+000 "
                                      "3.600000e+002 1 0"}));
  for (const std::string& line : PartDrawData(part, true)) EXPECT_NE(line.substr(0, 2), "lg");

  settings::SlotAttributes solid{"2", "5", "1", "7"};
  std::vector<std::string> marker = MarkerDrawData({"0.91119"}, {1, 2}, solid, {true, "0", "F"}, true);
  EXPECT_EQ(marker, (std::vector<std::string>{"lg0", "lyF", "lt9", "lc7",
                                              "ci 1.000000e+000 2.000000e+000 9.111900e-001"}));
  EXPECT_EQ(MarkerDrawData({}, {}, solid, {}, false), (std::vector<std::string>{"lg2", "ly5", "lt9", "lc7"}));
  EXPECT_EQ(MarkerDrawData({}, {}, solid, {}, true), (std::vector<std::string>{"lt9", "lc7"}));
}

TEST(CatalogueDialog, FindsTheShippedPartOfTheChosenCell) {
  Catalogue c;
  c.Pick(6, 1, "20", 1);
  EXPECT_EQ(c.dialog.partFile(), R"(\Tavrin\NJ\KPQPQPSL9001.ajc)");
  EXPECT_EQ(c.dialog.partCode(), "K050501L9001_A");
  EXPECT_EQ(c.dialog.form().Text(kPartName), "90°エルボ");
  c.user.Click(kRotationFirst + 2);
  EXPECT_EQ(c.dialog.form().Text(kAngle), "90");
  c.user.Type(kAngle, "30");
  c.user.Mouse(CellCentre(1).first, CellCentre(1).second);
  EXPECT_EQ(c.dialog.partCode(), "K050501L9001N");
  EXPECT_EQ(c.dialog.partFile(), R"(\Tavrin\NJ\KPQPQPSL9001.ajc)");

  c.user.Select(kBranchSize, "15");  // no elbow of unequal ends
  EXPECT_EQ(c.dialog.form().Text(kPartName), "部品がありません。");
  c.user.Mouse(504, 30);  // on a boundary: still cell 1
  c.user.Click(kSheetFirst + 2);
  c.user.Mouse(CellCentre(2).first, CellCentre(2).second);
  EXPECT_EQ(c.dialog.form().Text(kPartName), "径違いソケット");
  c.user.Click("配置実行");
  EXPECT_EQ(c.dialog.form().Text(kCatalogueStatus), "配置できます");
  EXPECT_GT(c.DrawData().size(), 10u);
  EXPECT_EQ(c.t.Lines(R"(\Tavrin\HaikanSet\Input.ini)"),
            (std::vector<std::string>{"30", "0", "0", "0", "", "", "6", "3", "2", ""}));
}

TEST(CatalogueDialog, CombinedFittingsCarryPipeKindAndDistance) {
  Catalogue c({"0", "0", "0", "1", "給水", "", "0", "1", "0", ""});
  c.Pick(0, 1, "50", 2);
  EXPECT_TRUE(c.dialog.form().Enabled(kDistance));
  c.user.Click("配置実行");
  EXPECT_EQ(c.t.MessageTexts(), std::vector<std::string>{"管種を選択してください。"});
  c.user.Select(kPipeKindBox, "HIVP");
  c.user.Click("配置実行");
  EXPECT_EQ(c.t.MessageTexts().back(), "継手間距離を入力してください。");
  EXPECT_EQ(c.dialog.form().Text(kCatalogueStatus), "分類・サイズ選択");
  c.user.Type(kDistance, "12345");
  c.user.Click("配置実行");
  EXPECT_EQ(c.dialog.form().Text(kDistance), "9999");
  EXPECT_EQ(c.MarkerRadii(), (std::vector<std::string>{"0.91119", "0.80028", "0.70037", "0.60016", "0.50505",
                                                       "0.40504", "0.30013", "0.20022", "0.19991"}));

  c.user.Mouse(CellCentre(4).first, CellCentre(4).second);
  EXPECT_FALSE(c.dialog.form().Enabled(kDistance));
  EXPECT_FALSE(c.dialog.form().Enabled(kPipeKindBox));
  EXPECT_TRUE(c.dialog.form().Enabled(kClassification));
  c.user.Select(kClassification, "分類無");
  c.user.Click("配置実行");
  std::vector<std::string> radii = c.MarkerRadii();
  ASSERT_EQ(radii.size(), 9u);
  EXPECT_EQ(radii[1], "0.80008");
  EXPECT_EQ(radii[2], "0.70007");
  EXPECT_EQ(radii[8], "0.10001");
}

TEST(CatalogueDialog, SwitchingTakeoffOnAppliesTheCombinedFittingTestAtOnce) {
  Catalogue c;
  c.Pick(0, 1, "50", 4);
  c.user.Click(kTakeoff);
  EXPECT_TRUE(c.dialog.form().Enabled(kClassification));
  EXPECT_FALSE(c.dialog.form().Enabled(kDistance));
  c.user.Click("配置実行");
  EXPECT_EQ(c.t.MessageTexts(), std::vector<std::string>{"分類を選択してください。"});
  c.user.Click(kTakeoff);
  EXPECT_FALSE(c.dialog.form().Enabled(kClassification));
}

TEST(CatalogueDialog, CurrentLayerLeavesLayersToTheMarkerOverride) {
  Catalogue c({"0", "0", "1", "1", "排水", "", "16", "1", "0", ""});
  c.t.Write(R"(\Tavrin\HaikanSet\SekisanSet.ini)", {"1", "3", "E", "0", "0", "0"});
  c.Pick(16, 1, "40", 2);
  EXPECT_EQ(c.dialog.form().Text(kPartName), "ゲート弁（フランジ）");
  c.user.Click("配置実行");
  std::vector<std::string> lines = c.DrawData();
  auto lt9 = std::find(lines.begin(), lines.end(), "lt9");
  ASSERT_NE(lt9, lines.end());
  for (auto it = lines.begin(); it != lt9 - 2; ++it) EXPECT_NE(it->substr(0, 2), "lg") << *it;
  EXPECT_EQ(*(lt9 - 2), "lg3");
  EXPECT_EQ(*(lt9 - 1), "lyE");
  EXPECT_EQ(c.MarkerRadii()[3], "0.60176");
}

TEST(CatalogueDialog, ReopensWithTheStoredChoices) {
  Catalogue c({"45", "1", "0", "1", "給湯", "VU", "0", "2", "3", "150"});
  EXPECT_EQ(c.dialog.form().Selection(kFamilyList), 0);
  EXPECT_TRUE(c.dialog.form().Checked(kSheetFirst + 1));
  EXPECT_EQ(c.dialog.form().Text(kSheetFirst + 1), "ティ－ズ");
  EXPECT_EQ(c.dialog.form().Text(kSheetFirst + 3), "-");
  EXPECT_FALSE(c.dialog.form().Enabled(kSheetFirst + 3));
  EXPECT_TRUE(c.dialog.form().Checked(kRotationFirst + 1));
  EXPECT_TRUE(c.dialog.form().Checked(kMirror));
  EXPECT_EQ(c.dialog.form().Selection(kMainSize), 5);
  EXPECT_EQ(c.dialog.form().Text(kPipeKindBox), "VU");
  EXPECT_TRUE(c.dialog.form().Enabled(kDistance));  // 2-3 is a combined fitting of family 0
  EXPECT_EQ(c.dialog.form().Text(kPartName), "チーズ（枝直管付）");
  c.user.SelectIndex(kFamilyList, 21);
  EXPECT_EQ(c.dialog.form().Text(kPipeKindBox), "丸ダクト");
  EXPECT_EQ(c.dialog.form().Text(kSheetFirst), "1.0Rベンド(90度/45度)");
}

// The pipe kinds of one family mean nothing in another: the refilled list
// starts without a choice, and a combined fitting asks for one.
TEST(CatalogueDialog, AnotherFamilyAsksForAPipeKindOfItsOwnList) {
  Catalogue c({"0", "0", "0", "1", "給水", "VP", "0", "1", "2", "500"});
  EXPECT_EQ(c.dialog.form().Text(kPipeKindBox), "VP");
  c.Pick(6, 1, "50", 2);
  EXPECT_TRUE(c.dialog.form().Enabled(kDistance));
  EXPECT_EQ(c.dialog.form().Text(kPipeKindBox), "");
  c.user.Click("配置実行");
  EXPECT_EQ(c.t.MessageTexts(), std::vector<std::string>{"管種を選択してください。"});
  c.user.Select(kPipeKindBox, c.dialog.form().Items(kPipeKindBox)[1]);
  c.user.Click("配置実行");
  EXPECT_EQ(c.dialog.form().Text(kCatalogueStatus), "配置できます");
  EXPECT_EQ(c.MarkerRadii()[2], "0.70027");
}

// A cell without a part places nothing: no bare marker for the tally to
// count, and the drawing data of the last placement stays.
TEST(CatalogueDialog, ACellWithoutAPartIsNotPlaced) {
  Catalogue c({"0", "0", "0", "1", "給水", "", "6", "1", "0", ""});
  c.Pick(6, 1, "20", 1);
  c.user.Select(kBranchSize, "15");
  EXPECT_EQ(c.dialog.form().Text(kPartName), "部品がありません。");
  c.t.Write(R"(\Tavrin\set\DrawData.txt)", {"previous"});
  auto input = c.t.Lines(R"(\Tavrin\HaikanSet\Input.ini)");
  c.user.Click("配置実行");
  EXPECT_EQ(c.t.MessageTexts(), std::vector<std::string>{"部品がありません。部品とサイズを選び直してください。"});
  EXPECT_EQ(c.DrawData(), std::vector<std::string>{"previous"});
  EXPECT_EQ(c.t.Lines(R"(\Tavrin\HaikanSet\Input.ini)"), input);
  EXPECT_EQ(c.dialog.form().Text(kCatalogueStatus), "分類・サイズ選択");
}

TEST(CatalogueDialog, AFailedOpeningClosesWithoutWriting) {
  test::TestDrive t;
  auto input = t.Lines(R"(\Tavrin\HaikanSet\Input.ini)");
  t.Remove(R"(\Tavrin\HaikanSet\TugiteSet.ini)");
  CatalogueDialog dialog(t.env());
  dialog.UserInit();
  EXPECT_EQ(t.services().messages.size(), 1u);
  EXPECT_TRUE(dialog.form().ended());
  EXPECT_EQ(t.Lines(R"(\Tavrin\HaikanSet\Input.ini)"), input);
}
