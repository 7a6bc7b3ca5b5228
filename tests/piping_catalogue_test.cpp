#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

#include "piping/CatalogueDialog.h"
#include "piping/CatalogueDrawData.h"
#include "piping/Families.h"
#include "piping/PartCode.h"
#include "piping/PartFile.h"
#include "settings/Paths.h"
#include "takeoff/Entries.h"
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

TEST(CatalogueDialog, OpensWithAPromptToChooseBeforeAnyPart) {
  Catalogue c;
  EXPECT_EQ(c.dialog.form().Text(kPartName), "シートを選び、部品をクリックしてください。");
  c.user.Click(kSheetFirst + 1);
  EXPECT_EQ(c.dialog.form().Text(kPartName), "シートを選び、部品をクリックしてください。");
}

TEST(CatalogueDialog, FindsTheShippedPartOfTheChosenCell) {
  Catalogue c;
  c.Pick(6, 1, "20", 1);
  EXPECT_EQ(c.dialog.partFile(), R"(\Tavrin\NJ\KPQPQPSA0101.ajc)");
  EXPECT_EQ(c.dialog.partCode(), "K050501A0101_A");
  EXPECT_EQ(c.dialog.form().Text(kPartName), "90°エルボ");
  c.user.Click(kRotationFirst + 2);
  EXPECT_EQ(c.dialog.form().Text(kAngle), "90");
  c.user.Type(kAngle, "30");
  c.user.Mouse(CellCentre(1).first, CellCentre(1).second);
  EXPECT_EQ(c.dialog.partCode(), "K050501A0101N");
  EXPECT_EQ(c.dialog.partFile(), R"(\Tavrin\NJ\KPQPQPSA0101.ajc)");

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
  EXPECT_EQ(c.dialog.form().Text(kPartName), "10Kゲート弁（ねじ込み）");
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

// ---------------------------------------------------------------- the shipped catalogue

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Nominals(const test::TestDrive& t, int materialClass) {
  std::vector<std::string> sizes;
  for (const std::string& line : t.Lines(settings::HaikanFile(SizeListFile(materialClass))))
    sizes.push_back(ui::GetListField(line, 1, ','));
  return sizes;
}

std::string PartPath(int family, int sheet, const std::string& field, const std::string& main,
                     const std::string& branch) {
  const Family& f = FamilyAt(family);
  PartCode code{f.material, SizeCode(f.materialClass, main), SizeCode(f.materialClass, branch),
                FamilyNumber(family, sheet), CellCode(field)};
  return std::string("\\Tavrin\\") + f.folder + "\\" + StoredName(code) + ".ajc";
}

std::string Lower(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

// The cells the lists name: family, sheet, cell, SheetName.ini field.
struct NamedCell {
  int family, sheet, cell;
  std::string field, name;
};

std::vector<NamedCell> NamedCells(const test::TestDrive& t) {
  std::vector<std::string> fields = t.Lines(settings::HaikanFile("SheetName.ini"));
  std::vector<std::string> names = t.Lines(settings::HaikanFile("BuzaiName.ini"));
  std::vector<NamedCell> cells;
  for (int family = 0; family < kFamilies; ++family)
    for (int sheet = 1; sheet <= kSheets; ++sheet)
      for (int cell = 1; cell <= kCells; ++cell) {
        std::string field = SheetNameField(fields, SheetKey(family, sheet), cell);
        if (!field.empty() && field != "-")
          cells.push_back({family, sheet, cell, field, PartNameField(names, SheetKey(family, sheet), cell)});
      }
  return cells;
}

}  // namespace

TEST(CatalogueData, EveryNamedCellHasItsPartsAndEveryPartIsNamed) {
  test::TestDrive t;
  std::set<std::string> shipped;  // \tavrin\<folder>\<name>.ajc
  for (const auto& folder : fs::directory_iterator(t.drive().Locate(R"(\Tavrin)")))
    for (const auto& file : fs::directory_iterator(folder.path()))
      if (file.path().extension() == ".ajc")
        shipped.insert(Lower("\\Tavrin\\" + folder.path().filename().string() + "\\" + file.path().filename().string()));

  std::set<int> familiesWithParts;
  std::set<std::string> reachable;
  std::vector<std::string> breakdown = t.Lines(settings::HaikanFile("SekisanBunrui.ini"));
  for (const NamedCell& c : NamedCells(t)) {
    SCOPED_TRACE(std::to_string(c.family) + "-" + std::to_string(c.sheet) + "-" + std::to_string(c.cell));
    EXPECT_NE(SheetCaption(c.family, c.sheet), "-");
    EXPECT_NE(c.name, "-");
    std::vector<std::string> sizes = Nominals(t, FamilyAt(c.family).materialClass);
    int files = 0;
    for (size_t i = 0; i < sizes.size(); ++i)
      for (size_t j = 0; j < sizes.size(); ++j) {
        std::string path = Lower(PartPath(c.family, c.sheet, c.field, sizes[i], sizes[j]));
        if (!shipped.count(path)) continue;
        ++files;
        reachable.insert(path);
        EXPECT_GE(std::stod(sizes[i]), std::stod(sizes[j])) << "a reducing part is made larger size first";
      }
    EXPECT_GT(files, 0);
    familiesWithParts.insert(c.family);
    // The take-off names the cell exactly once (the last line is never read).
    std::string key = std::to_string(c.family) + "_" + std::to_string(c.sheet) + "_" + std::to_string(c.cell) + ":";
    EXPECT_EQ(std::count_if(breakdown.begin(), breakdown.end() - 1,
                            [&](const std::string& line) { return ui::StartsWith(line, key); }),
              1);
  }
  EXPECT_EQ(familiesWithParts.size(), static_cast<size_t>(kFamilies));
  EXPECT_LE(breakdown.size(), 2000u);  // the tally reads no more
  std::vector<std::string> unnamed;
  std::set_difference(shipped.begin(), shipped.end(), reachable.begin(), reachable.end(), std::back_inserter(unnamed));
  EXPECT_EQ(unnamed, std::vector<std::string>{});
}

TEST(CatalogueData, SizesFollowWhatIsMade) {
  test::TestDrive t;
  auto made = [&](int family, int sheet, const std::string& field, const std::string& main,
                  const std::string& branch) { return t.drive().Exists(PartPath(family, sheet, field, main, branch)); };
  // Screwed elbows from 10A to 150A, none larger; reducing tees, no reducing plain elbows.
  std::string elbow = SheetNameField(t.Lines(settings::HaikanFile("SheetName.ini")), "7-1", 1);
  std::string tee = SheetNameField(t.Lines(settings::HaikanFile("SheetName.ini")), "7-2", 1);
  EXPECT_TRUE(made(6, 1, elbow, "10", "10"));
  EXPECT_TRUE(made(6, 1, elbow, "150", "150"));
  EXPECT_FALSE(made(6, 1, elbow, "200", "200"));
  EXPECT_FALSE(made(6, 1, elbow, "600", "600"));
  EXPECT_FALSE(made(6, 1, elbow, "50", "25"));
  EXPECT_TRUE(made(6, 2, tee, "50", "25"));
  EXPECT_FALSE(made(6, 2, tee, "25", "50"));
  // Butt-welding long elbows up to 500A.
  std::string longElbow = SheetNameField(t.Lines(settings::HaikanFile("SheetName.ini")), "6-1", 1);
  EXPECT_TRUE(made(5, 1, longElbow, "500", "500"));
  EXPECT_FALSE(made(5, 1, longElbow, "10", "10"));
}

TEST(CatalogueData, EveryPartParsesAndDrawsWithinItsExtents) {
  test::TestDrive t;
  PartAttributes a = ParsePartAttributes("0-1-1-1,0-2-2-2,0-5-5-5");
  size_t parts = 0;
  for (const auto& folder : fs::directory_iterator(t.drive().Locate(R"(\Tavrin)")))
    for (const auto& file : fs::directory_iterator(folder.path())) {
      if (file.path().extension() != ".ajc") continue;
      ++parts;
      std::string windows = "\\Tavrin\\" + folder.path().filename().string() + "\\" + file.path().filename().string();
      PartFile part = ParsePartFile(t.Lines(windows));
      ASSERT_EQ(part.scale, 1) << windows;
      ASSERT_GT(part.left + part.right, 0) << windows;
      ASSERT_GT(part.top + part.bottom, 0) << windows;
      PlacedPart placed = PlacePart(part, a, {});
      ASSERT_EQ(placed.records.size(), part.records.size()) << windows;  // every line kind is drawn
      for (const PlacedRecord& record : placed.records) {
        auto field = [&](int n) { return ui::ToReal(ui::GetListField(record.text, n, ',')); };
        std::vector<std::pair<double, double>> points;
        if (record.text[0] == '1') {
          points = {{field(4), field(5)}, {field(6), field(7)}};
        } else {
          // The arc's ends; its extent lies within the header too, as the files are written.
          for (double angle : {field(7), field(8)})
            points.push_back({field(4) + field(6) * std::cos(angle * figure::kRadiansPerDegree),
                              field(5) + field(6) * std::sin(angle * figure::kRadiansPerDegree)});
        }
        for (auto [x, y] : points) {
          EXPECT_GE(x, -part.left - 0.02) << windows << " " << record.text;
          EXPECT_LE(x, part.right + 0.02) << windows << " " << record.text;
          EXPECT_GE(y, -part.bottom - 0.02) << windows << " " << record.text;
          EXPECT_LE(y, part.top + 0.02) << windows << " " << record.text;
        }
      }
    }
  EXPECT_GT(parts, 5000u);
}

TEST(CatalogueData, SheetPicturesDrawEachPartInsideItsCell) {
  test::TestDrive t;
  std::vector<NamedCell> cells = NamedCells(t);
  for (int family = 0; family < kFamilies; ++family)
    for (int sheet = 1; sheet <= kSheets; ++sheet) {
      if (SheetCaption(family, sheet) == "-") continue;
      std::string picture = std::string(FamilyAt(family).sheetPrefix) + "Sheet" + std::to_string(sheet) + ".tec";
      SCOPED_TRACE(picture);
      std::set<int> drawn;
      for (const std::string& line : t.Lines(settings::HaikanFile(picture))) {
        auto field = [&](int n) { return ui::ToReal(ui::GetListField(line, n, ',')); };
        std::vector<std::pair<double, double>> points;
        if (ui::GetListField(line, 1, ',') == "1") points = {{field(4), field(5) / 2}, {field(6) / 3, field(7) / 4}};
        else
          for (double angle : {field(7), field(8)})  // the arc's ends (y grows downwards here)
            points.push_back({field(4) + field(6) * std::cos(angle * figure::kRadiansPerDegree),
                              field(5) - field(6) * std::sin(angle * figure::kRadiansPerDegree)});
        bool grid = points[0].first == points[1].first || points[0].second == points[1].second;
        int cell = CellAt(kSheetLeft + static_cast<int>(points[0].first), kSheetTop + static_cast<int>(points[0].second));
        if (grid && cell == 0) continue;  // a grid line
        ASSERT_NE(cell, 0) << line;
        for (auto [x, y] : points)
          EXPECT_EQ(CellAt(kSheetLeft + static_cast<int>(x), kSheetTop + static_cast<int>(y)), cell) << line;
        drawn.insert(cell);
      }
      std::set<int> named;
      for (const NamedCell& c : cells)
        if (c.family == family && c.sheet == sheet) named.insert(c.cell);
      if (family != 3 && family != 14 && family != 15) EXPECT_EQ(drawn, named);  // others share their pictures
      else EXPECT_TRUE(std::includes(drawn.begin(), drawn.end(), named.begin(), named.end()));
    }
}

TEST(CatalogueData, AScrewedElbowScalesByItsCentreToEnd) {
  // JIS B 2301: centre to end of a 90° elbow, 27 mm at 15A and 57 mm at 50A.
  Catalogue c;
  for (auto [size, centreToEnd] : {std::pair{"15", 27.0}, {"50", 57.0}}) {
    c.Pick(6, 1, size, 1);
    ASSERT_EQ(c.dialog.form().Text(kPartName), "90°エルボ");
    PartFile part = ParsePartFile(c.t.Lines(c.dialog.partFile()));
    double left = 0, top = 0;
    for (const PlacedRecord& record : PlacePart(part, ParsePartAttributes(""), {}).records) {
      if (record.lineKind != 1 || record.text[0] != '1') continue;
      for (int n : {4, 6}) left = std::min(left, ui::ToReal(ui::GetListField(record.text, n, ',')));
      for (int n : {5, 7}) top = std::max(top, ui::ToReal(ui::GetListField(record.text, n, ',')));
    }
    EXPECT_NEAR(-left, centreToEnd, 0.01) << size;  // the inlet's face
    EXPECT_NEAR(top, centreToEnd, 0.01) << size;    // the outlet's face
  }
}

TEST(CatalogueData, APlacedPartOfEveryFamilyTalliesUnderItsNames) {
  struct Placement {
    int family, sheet, cell;
    const char* main;
    const char* branch;
    std::vector<std::string> entries;
  };
  const std::vector<Placement> placements = {
      {0, 1, 1, "50", "50", {"給水:ＴＳ継手:90°エルボ~50|@:000:"}},
      {1, 1, 1, "100", "100", {"給水:ＤＶ継手:90°エルボ~100|@:000:"}},
      {2, 1, 1, "100", "100", {"給水:ＭＤ継手:90°エルボ~100|@:000:"}},
      {3, 3, 1, "100", "65", {"給水:ＭＤ継手:ＳＴ~100･65|@:000:"}},
      {4, 1, 1, "50", "50", {"給水:ドレネジ継手:90°エルボ~50|@:000:"}},
      {5, 1, 1, "100", "100", {"給水:溶接継手:90°ロングエルボ~100|@:000:"}},
      {6, 2, 1, "50", "25", {"給水:ねじ込み継手:チーズ~50･25|@:000:"}},
      {7, 1, 1, "20", "20", {"給水:銅管継手:90°エルボ~20|@:000:"}},
      {8, 1, 1, "25", "25", {"給水:管端コア継手:90°エルボ~25|@:000:"}},
      {9, 1, 1, "30", "30", {"給水:SUS拡管式継手:90°エルボ~30|@:000:"}},
      {10, 1, 1, "20", "20", {"給水:SUSプレス継手:90°エルボ~20|@:000:"}},
      {11, 1, 1, "100", "100", {"給水:フランジ継手:90°エルボ~100|@:000:"}},
      {12, 1, 1, "100", "100", {"給水:鋳鉄管:90°長曲管~100|@:000:"}},
      {13, 1, 1, "100", "100", {"給水:鋳鉄管:ＬＴＹ管~100|@:000:"}},
      {14, 1, 2, "75", "75", {"給水:鋳鉄管:90°短曲管~75|@:000:"}},
      {15, 2, 3, "150", "150", {"給水:鋳鉄管:ＧＳ~150|@:000:"}},
      {16, 1, 3, "50", "50", {"給水:青銅弁:ゲート弁~50|@:000:", "給水:青銅弁:コンパニオンフランジ~50|@:@"}},
      {17, 1, 1, "100", "100", {"給水:鋳鉄弁:ゲート弁~100|@:000:"}},
      {18, 1, 1, "100", "100", {"給水:バタフライ弁:バタフライ弁~100|@:000:"}},
      {19, 1, 1, "25", "25", {"給水:特殊弁:減圧弁~25|@:000:"}},
      {20, 4, 1, "100", "100", {"給水:フレキ・伸縮継手:伸縮継手~100|@:000:"}},
      {21, 1, 1, "200", "200", {"給水:丸ダクト部材:90°ベンド(1.0R)~200|@:000:"}},
  };
  Catalogue c({"0", "0", "0", "1", "給水", "", "0", "1", "0", ""});
  std::vector<std::string> extract = {"lt9"};
  std::vector<std::string> expected;
  int x = 0;
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.family);
    c.user.SelectIndex(kFamilyList, p.family);
    c.user.Click(kSheetFirst + p.sheet - 1);
    c.user.Select(kMainSize, p.main);
    c.user.Select(kBranchSize, p.branch);
    auto [cx, cy] = CellCentre(p.cell);
    c.user.Mouse(cx, cy);
    ASSERT_NE(c.dialog.form().Text(kPartName), "部品がありません。");
    c.user.Click("配置実行");
    ASSERT_EQ(c.dialog.form().Text(kCatalogueStatus), "配置できます");
    // The marker as the take-off batch extracts it, one centre per placement.
    std::vector<std::string> radii = c.MarkerRadii();
    ASSERT_EQ(radii.size(), 9u);
    ++x;
    for (const std::string& r : radii) extract.push_back("ci " + std::to_string(x) + " 0 " + r);
    expected.insert(expected.end(), p.entries.begin(), p.entries.end());
  }
  c.t.Write(settings::HaikanFile("Toridasi.txt"), extract);
  takeoff::NoProgress none;
  takeoff::Tally tally;
  takeoff::TallyExtract(takeoff::ReadExtractBytes(c.t.drive()), takeoff::ReadNameLists(c.t.drive()), false, tally,
                        none);
  EXPECT_EQ(tally.fittings, expected);
}
