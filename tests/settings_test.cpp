#include <gtest/gtest.h>

#include "settings/AttributeDialog.h"
#include "settings/DuctSettings.h"
#include "tests/TestDrive.h"
#include "ui/headless/Driver.h"

using settings::LayerField;
using settings::TypeColourField;

namespace {

const char* kSubSet = R"(\Tavrin\set\DakutoSubSet.ini)";
const char* kMemo = R"(\Tavrin\set\Memo.ini)";
const char* kKyotu = R"(\Tavrin\set\KyotuSet.ini)";

}  // namespace

TEST(DrawingName, ChecksumWithDAndTheRandSequence) {
  settings::CommonLengths k{40, 20, 0, 0};
  EXPECT_NEAR(settings::NameChecksum({"10", "20"}, k), 108.1, 1e-9);
  std::string name = settings::DrawingName("ER_", {"10", "20"}, k);
  EXPECT_EQ(name.substr(0, 13), "ER_108D100000");
  EXPECT_GT(name.size(), 13u);
  // rand as the Windows C library has it: 41, 18467, 6334 ... from the start.
  int first = settings::NextRand(), second = settings::NextRand();
  EXPECT_GE(first, 0);
  EXPECT_LE(second, 32767);
}

TEST(SharedSettings, SlotTableAndShortFiles) {
  test::TestDrive t;
  t.Write(R"(\Tavrin\set\DakutoSet.ini)", {"0-2-1-3", "abc", "1-2"});
  settings::SlotTable slots = settings::ReadSlotTable(t.drive());
  EXPECT_EQ(slots[1].layer, "2");
  EXPECT_EQ(slots[1].colour, "3");
  EXPECT_EQ(slots[2].layerGroup, "abc");
  EXPECT_EQ(slots[2].colour, "abc");
  EXPECT_EQ(slots[3].lineType, "2");
  EXPECT_EQ(slots[7].layerGroup, "");
  t.Write(kKyotu, {"5", "3"});
  settings::CommonLengths k = settings::ReadCommonLengths(t.drive(), 4);
  EXPECT_EQ(k.angleWidth, 5);
  EXPECT_EQ(k.frameMargin, 0);
  t.Write(R"(\Tavrin\set\KiokuSize.ini)", {"200", ""});
  EXPECT_EQ(settings::ReadSizeList(t.drive()), (std::vector<std::string>{"200", ""}));
}

class AttributeDialogTest : public ::testing::Test {
 protected:
  void Open() {
    dialog = std::make_unique<settings::AttributeDialog>(t.env());
    dialog->UserInit();
    user = std::make_unique<ui::Driver>(*dialog);
  }
  test::TestDrive t;
  std::unique_ptr<settings::AttributeDialog> dialog;
  std::unique_ptr<ui::Driver> user;
};

TEST_F(AttributeDialogTest, LoadsEveryCellMemoAndLength) {
  std::vector<std::string> presets(42, "1-2-3-4");
  presets[0] = "0-2-1-3";
  presets[8] = "abc";
  t.Write(kSubSet, presets);
  Open();
  EXPECT_EQ(user->Text(LayerField(1, 1)), "0-2");
  EXPECT_EQ(user->Text(TypeColourField(1, 1)), "1-3");
  EXPECT_EQ(user->Text(LayerField(2, 2)), "abc-abc");
  EXPECT_EQ(user->Text(TypeColourField(2, 2)), "Error");
  EXPECT_EQ(user->Text(settings::kMemo + 2), t.Lines(kMemo)[1]);
  EXPECT_EQ(user->Text(settings::kHatchWidth), t.Lines(kKyotu)[3]);
  EXPECT_EQ(user->Text(settings::kLineTypeName + 1), t.Lines(R"(\Tavrin\set\SenSyu.ini)")[0]);
  EXPECT_FALSE(dialog->form().Visible(settings::kFrameMargin));
}

TEST_F(AttributeDialogTest, SavesInFileOrderAndKeepsTheHiddenMargin) {
  t.Write(kKyotu, {"5", "3", "123", "40"});
  Open();
  user->Type(LayerField(1, 1), "1-2");
  user->Type(TypeColourField(1, 1), "3-4");
  user->Type(LayerField(6, 7), "");
  user->Type(TypeColourField(6, 7), "");
  user->Type(settings::kMemo + 1, "新しい名前");
  user->Click("OK");
  EXPECT_TRUE(dialog->form().ended());
  auto presets = t.Lines(kSubSet);
  ASSERT_EQ(presets.size(), 42u);
  EXPECT_EQ(presets[0], "1-2-3-4");
  EXPECT_EQ(presets[41], "-");
  EXPECT_EQ(t.Lines(kMemo)[0], "新しい名前");
  EXPECT_EQ(t.Lines(kKyotu), (std::vector<std::string>{"5", "3", "123", "40"}));
}

TEST_F(AttributeDialogTest, AHatchingWidthBelowThirtyKeepsTheDialogAndEveryEdit) {
  auto before = t.Lines(kSubSet);
  Open();
  user->Type(settings::kHatchWidth, "29.9");
  user->Type(settings::kMemo + 3, "編集中");
  user->Click("OK");
  EXPECT_EQ(t.MessageTexts(), std::vector<std::string>{"ハッチング幅は30以上にしてください。"});
  EXPECT_EQ(t.services().messages[0].title, "入力確認");
  EXPECT_FALSE(dialog->form().ended());
  EXPECT_EQ(user->Text(settings::kHatchWidth), "30");
  EXPECT_EQ(user->Text(settings::kMemo + 3), "編集中");
  EXPECT_EQ(t.Lines(kSubSet), before);
  user->Click("OK");  // now 30 passes
  EXPECT_TRUE(dialog->form().ended());
  EXPECT_EQ(t.Lines(kMemo)[2], "編集中");
  EXPECT_EQ(t.Lines(kKyotu)[3], "30");
}

TEST_F(AttributeDialogTest, EnterClosesWithoutSaving) {
  auto memos = t.Lines(kMemo);
  Open();
  user->Type(settings::kMemo + 1, "捨てる");
  user->Enter();
  EXPECT_TRUE(dialog->form().ended());
  EXPECT_EQ(t.Lines(kMemo), memos);
}

TEST_F(AttributeDialogTest, AMemoEditReachesThePanelStatusAtOnce) {
  // The panel re-reads Memo.ini after the dialog; see the panel tests for
  // the refresh itself. Here: Esc saves like "OK".
  Open();
  user->Type(settings::kMemo + 1, "ESCで保存");
  user->Close();
  EXPECT_EQ(t.Lines(kMemo)[0], "ESCで保存");
}

// An opening that stopped half-way must not save its empty fields on closing.
TEST_F(AttributeDialogTest, AFailedOpeningClosesWithoutSaving) {
  auto presets = t.Lines(kSubSet);
  t.Remove(R"(\Tavrin\set\SenSyu.ini)");
  Open();
  ASSERT_EQ(t.services().messages.size(), 1u);
  EXPECT_NE(t.services().messages[0].text.find("SenSyu.ini"), std::string::npos);
  EXPECT_TRUE(dialog->form().ended());
  if (!dialog->form().ended()) user->Close();
  EXPECT_EQ(t.Lines(kSubSet), presets);
}

TEST(AttributePlay, TheHatchingWidthMessageFromThePanel) {
  test::TestDrive t;
  test::PlayResult run = test::Play(t, test::ScriptFile("attribute_hatching.play"));
  EXPECT_TRUE(run.ok) << run.output;
  EXPECT_NE(run.output.find("[入力確認] ハッチング幅は30以上にしてください。"), std::string::npos);
  EXPECT_EQ(t.Lines(kKyotu)[3], "30");
}
