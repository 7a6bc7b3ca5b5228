#include <gtest/gtest.h>

#include <random>

#include "bench/ReferenceTally.h"
#include "settings/Paths.h"
#include "takeoff/Entries.h"
#include "takeoff/Rows.h"
#include "tests/TakeoffFixture.h"

using bench::FittingMarker;
using bench::PipeMarker;
using Lines = std::vector<std::string>;

namespace {

class Tally : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteNameLists(t);
    lists = takeoff::ReadNameLists(t.drive());
  }
  takeoff::Tally Of(const Lines& extract) {
    test::WriteExtract(t, extract);
    takeoff::Tally tally;
    takeoff::TallyExtract(takeoff::ReadExtractBytes(t.drive()), lists, false, tally, none);
    return tally;
  }
  test::TestDrive t;
  takeoff::NameLists lists;
  takeoff::NoProgress none;
};

Lines RowTexts(const std::vector<takeoff::ResultRow>& rows) {
  Lines texts;
  for (const auto& row : rows) texts.push_back(row.Text());
  return texts;
}

Lines Circles(const std::string& centre, const Lines& radii) {
  Lines lines;
  for (const auto& r : radii) lines.push_back("ci " + centre + " " + r);
  return lines;
}

}  // namespace

TEST_F(Tally, TheListedFittingMarkerDecodes) {
  Lines extract = {"lt9"};
  for (auto r : {"0.91119", "0.80018", "0.70007", "0.60016", "0.50505", "0.40504", "0.30013", "0.20022", "0.10001"})
    extract.push_back(std::string("ci 1.5 -2.25 ") + r);
  takeoff::Tally tally = Of(extract);
  EXPECT_EQ(tally.fittings, Lines{"給水:ＴＳ継手:エルボ~50|@:000:"});
  EXPECT_TRUE(tally.pipes.empty());
}

TEST_F(Tally, SizesLargerFirstAndBreakdownsOfTwoLines) {
  takeoff::Tally tally = Of(test::Extract({{.mainSize = 80, .branchSize = 50},
                                           {.mainSize = 50, .branchSize = 80},
                                           {.mainSize = 80, .branchSize = 50, .sheet = 2, .cell = 3},
                                           {.mainSize = 65, .branchSize = 65, .sheet = 2, .cell = 3}}));
  EXPECT_EQ(tally.fittings, (Lines{"給水:ＴＳ継手:エルボ~80･50|@:000:", "給水:ＴＳ継手:エルボ~80･50|@:000:",
                                   "給水:ＴＳ継手:チーズ~80･50|@:000:", "給水:ＴＳ継手:ソケット~50|@:@",
                                   "給水:ＴＳ継手:チーズ~65|@:000:", "給水:ＴＳ継手:ソケット~65|@:@"}));
  EXPECT_EQ(RowTexts(takeoff::FittingRows(tally.fittings)),
            (Lines{"給水:ＴＳ継手:エルボ~80･50:$2", "給水:ＴＳ継手:ソケット~50:$1", "給水:ＴＳ継手:ソケット~65:$1",
                   "給水:ＴＳ継手:チーズ~65:$1", "給水:ＴＳ継手:チーズ~80･50:$1"}));
}

TEST_F(Tally, ACombinedFittingAddsItsStraightPortion) {
  takeoff::Tally tally = Of(test::Extract({{.pipeKind = 1, .mainSize = 80, .branchSize = 50, .distance = 15}}));
  EXPECT_EQ(tally.fittings, Lines{"給水:ＴＳ継手:エルボ~80･50|VP:015:"});
  EXPECT_EQ(tally.pipes, Lines{"給水:ＴＳ継手:VP:50|015:000:*"});
  EXPECT_EQ(RowTexts(takeoff::PipeRows(tally.pipes)), Lines{"給水:ＴＳ継手:VP:50:$0.150000"});
}

TEST_F(Tally, PipeLengthsAndSlopes) {
  takeoff::Tally tally = Of(test::Extract({}, {{.size = 20, .angle = 0, .length = 250},
                                               {.size = 25, .angle = 60, .length = 250},
                                               {.size = 25, .angle = 0, .length = 7}}));
  EXPECT_EQ(tally.pipes[0], "給水:塩ビ管:SGP白:20|250:000:");
  EXPECT_EQ(tally.pipes[1], "給水:塩ビ管:SGP白:25|250:060:");
  EXPECT_EQ(RowTexts(takeoff::PipeRows(tally.pipes)),
            (Lines{"給水:塩ビ管:SGP白:20:$2.500000", "給水:塩ビ管:SGP白:25:$5.070000"}));
}

TEST_F(Tally, NamesFromTheLists) {
  takeoff::Tally tally = Of(test::Extract(
      {{.classification = 0, .sheet = 4, .cell = 9},  // no classification, no breakdown
       {.classification = 99},                        // beyond the list
       {.family = 3},                                 // ＭＤ継手, simplified
       {.family = 4},                                 // and detailed
       {.classification = 4, .pipeKind = 2, .family = 6, .sheet = 3, .cell = 20}},  // the last breakdown line
      {{.pipeName = 3, .kindList = 0},
       {.pipeKind = 3, .pipeName = 4, .kindList = 2},
       {.kindList = 6},
       {.pipeKind = 9, .pipeName = 20, .kindList = 5}}));
  EXPECT_EQ(tally.fittings, (Lines{"-:ＴＳ継手:-~50|@:000:", ":ＴＳ継手:エルボ~50|@:000:", "給水:ＭＤ継手:エルボ~50|@:000:",
                                   "給水:ＭＤ継手:エルボ~50|@:000:", "給湯:溶接継手:最後の部材~50|SGP黒:000:"}));
  EXPECT_EQ(tally.pipes, (Lines{"給水:鋳鉄管:@:50|100:000:", "給水:鋳鉄管:sgp-VA:50|100:000:",
                                "給水:塩ビ管:丸ダクト:50|100:000:", "給水:::50|100:000:",
                                "給湯:溶接継手:SGP黒:50|000:000:*"}));
}

TEST_F(Tally, OnlyCirclesOfLineType9Count) {
  Lines marker = Circles("7 8", bench::Radii(FittingMarker{}));
  Lines extract = {"ci 7 8 0.91119", "lt9", "lt", "ci", "ci 7", "ci 7 8"};  // off at first; short lines change nothing
  extract.insert(extract.end(), marker.begin(), marker.begin() + 4);
  extract.push_back("lt1");
  extract.push_back("ci 7 8 0.91119");  // outside lt9
  extract.push_back("lt9 ");
  extract.insert(extract.end(), marker.begin() + 4, marker.end());
  EXPECT_EQ(Of(extract).fittings.size(), 1u);

  Lines outside = {"lt1"};
  for (const auto& line : marker) outside.push_back(line);
  EXPECT_TRUE(Of(outside).fittings.empty());
}

TEST_F(Tally, ACentreCountsOnlyWithExactlyItsCircles) {
  Lines nine = bench::Radii(FittingMarker{});
  Lines eight(nine.begin(), nine.end() - 1);
  Lines ten = nine;
  ten.push_back("0.12345");
  Lines extract = {"lt9"};
  for (const Lines* radii : {&eight, &ten}) {
    Lines circles = Circles(std::to_string(radii->size()) + " 0", *radii);
    extract.insert(extract.end(), circles.begin(), circles.end());
  }
  // Two markers on one centre, and centres that differ only in their text.
  for (int i = 0; i < 2; ++i) {
    Lines circles = Circles("5 5", nine);
    extract.insert(extract.end(), circles.begin(), circles.end());
  }
  Lines spelled = Circles("5.0 5", nine);
  extract.insert(extract.end(), spelled.begin(), spelled.end());
  EXPECT_EQ(Of(extract).fittings, Lines{"給水:ＴＳ継手:エルボ~50|@:000:"});
}

// One group of nine circles is one fitting, even when two of its circles
// carry the head radius.
TEST_F(Tally, ACentreIsTalliedOnce) {
  Lines radii = bench::Radii(FittingMarker{});
  radii[4] = "0.91119";  // in place of the main size
  Lines extract = {"lt9"};
  Lines circles = Circles("1 1", radii);
  extract.insert(extract.end(), circles.begin(), circles.end());
  EXPECT_EQ(Of(extract).fittings, Lines{"給水:ＴＳ継手:エルボ~50･0|@:000:"});
}

TEST_F(Tally, ARadiusWithoutItsCheckDigitLeavesItsPositionEmpty) {
  Lines radii = bench::Radii(FittingMarker{.mainSize = 80});
  radii[4] = "0.50808";
  radii[8] = "0.1000";
  Lines extract = {"lt9"};
  Lines circles = Circles("1 1", radii);
  extract.insert(extract.end(), circles.begin(), circles.end());
  EXPECT_EQ(Of(extract).fittings, Lines{"給水:ＴＳ継手:エルボ~50･0|@::"});
}

// Code characters that are no digits (bytes of a damaged extract went into
// the saved results as text no code page holds) fill nothing; nor does a
// radius without the leading "0.".
TEST_F(Tally, ARadiusWithoutThreeCodeDigitsLeavesItsPositionEmpty) {
  Lines radii = bench::Radii(FittingMarker{.mainSize = 80});
  radii[4] = "0.5\xc6" "005";
  radii[8] = "1.10001";
  Lines extract = {"lt9"};
  Lines circles = Circles("1 1", radii);
  extract.insert(extract.end(), circles.begin(), circles.end());
  EXPECT_EQ(Of(extract).fittings, Lines{"給水:ＴＳ継手:エルボ~50･0|@::"});
}

// The extract is read in parts; a drawing of some hundred kilobytes reads
// whole and every marker in it counts.
TEST_F(Tally, ALargeExtractReadsWhole) {
  test::WriteExtract(t, bench::RandomExtract(400, 300, 11));
  const std::string bytes = takeoff::ReadExtractBytes(t.drive());
  EXPECT_GT(bytes.size(), 2u * 64 * 1024);
  EXPECT_EQ(bytes, t.Bytes(settings::HaikanFile("Toridasi.txt")));
  const takeoff::Markers markers = takeoff::FindMarkers(bytes, none);
  EXPECT_EQ(markers.fittings.size(), 400u);
  EXPECT_EQ(markers.pipes.size(), 300u);
}

// Lines end in LF or CR LF, a radius may be followed by more fields, and
// the circles of a marker need not be spelt alike: the marker is the same.
TEST(TallyMarkers, TheSameMarkerHoweverItsLinesAreSpelt) {
  const Lines radii = bench::Radii(FittingMarker{.mainSize = 80, .distance = 15});
  auto markerOf = [](const std::string& text) {
    takeoff::NoProgress none;
    const takeoff::Markers markers = takeoff::FindMarkers(text, none);
    std::string codes;
    for (const auto& m : markers.fittings)
      for (int n = 1; n <= 8; ++n) codes += std::string(m[n].code()) + "/" + std::to_string(m[n].value) + " ";
    return codes;
  };
  auto spelt = [&](auto lineOf) {
    std::string text = "lt9\n";
    for (size_t i = 0; i < radii.size(); ++i) text += lineOf(i, radii[i]);
    return text;
  };
  const std::string expected = markerOf(spelt([](size_t, const std::string& r) { return "ci 1.5 2 " + r + "\n"; }));
  EXPECT_EQ(expected, "015/15 002/2 001/1 050/50 080/80 001/1 000/0 001/1 ");
  EXPECT_EQ(markerOf(spelt([](size_t, const std::string& r) { return "ci 1.5 2 " + r + "\r\n"; })), expected);
  EXPECT_EQ(markerOf(spelt([](size_t i, const std::string& r) { return "ci 1.5 2 " + r + (i % 2 ? "\r\n" : "\n"); })),
            expected);
  EXPECT_EQ(markerOf(spelt([](size_t i, const std::string& r) {
              return "ci 1.5 2 " + r + (i == 3 ? " 0 x\r\n" : i == 5 ? "\t\r\n" : "\r\n");
            })),
            expected);
  EXPECT_EQ(markerOf(spelt([](size_t i, const std::string& r) {
              return (i % 3 ? "ci 1.5 2 " : i == 3 ? "ci  1.5\t2   " : "cix 1.5 2 ") + r + "\r\n";
            })),
            expected);
  std::string unended = spelt([](size_t, const std::string& r) { return "ci 1.5 2 " + r + "\r\n"; });
  unended.resize(unended.size() - 2);
  EXPECT_EQ(markerOf(unended), expected);
  // A radius is up to the line's end: a CR within it is part of it.
  EXPECT_EQ(markerOf(spelt([](size_t i, const std::string& r) { return "ci 1.5 2 " + r + (i == 1 ? "\r9\n" : "\n"); })),
            expected);
  EXPECT_EQ(
      markerOf(spelt([](size_t i, const std::string& r) { return "ci 1.5 2 " + (i == 1 ? "\r" + r : r) + "\n"; })),
      "015/15 002/2 001/1 050/50 080/80 001/1 000/0 /0 ");
}

Lines Keys(const std::vector<takeoff::ResultRow>& rows) {
  Lines texts;
  for (const auto& row : rows) texts.push_back(row.key);
  return texts;
}

TEST(TallyRows, OrderedAsShiftJisWithoutRegardToCase) {
  // JIS order of the readings: kyū, hai, rei (Unicode would put 冷 first).
  EXPECT_EQ(Keys(takeoff::FittingRows({"冷温水:a~1|", "排水:a~1|", "給水:a~1|"})),
            (Lines{"給水:a~1", "排水:a~1", "冷温水:a~1"}));
  EXPECT_EQ(Keys(takeoff::PipeRows({"給水:管:VP:50|1:0:", "給水:管:sgp:50|1:0:"})),
            (Lines{"給水:管:sgp:50", "給水:管:VP:50"}));
  // The second byte of ア is "A"; folding it would make ア sort as ヂ.
  EXPECT_EQ(Keys(takeoff::FittingRows({"ヂA~1|", "アB~1|"})), (Lines{"アB~1", "ヂA~1"}));
  // Sizes are text: 100 before 50.
  EXPECT_EQ(Keys(takeoff::FittingRows({"a~50|", "a~100|"})), (Lines{"a~100", "a~50"}));
}

// Each field ends before the next begins, so that a text comes before the
// longer texts it begins: "10" before "100", "VP" before "VP-1".
TEST(TallyRows, OrderedFieldByField) {
  EXPECT_EQ(Keys(takeoff::FittingRows({"給水:ＴＳ継手:エルボ~100|", "給水:ＴＳ継手:エルボ~10|", "給水:ＴＳ継手:エルボ~250|",
                                       "給水:ＴＳ継手:エルボ~25|", "給水:ＴＳ継手:エルボ~80･50|", "給水:ＴＳ継手:エルボ~80|"})),
            (Lines{"給水:ＴＳ継手:エルボ~10", "給水:ＴＳ継手:エルボ~100", "給水:ＴＳ継手:エルボ~25",
                   "給水:ＴＳ継手:エルボ~250", "給水:ＴＳ継手:エルボ~80", "給水:ＴＳ継手:エルボ~80･50"}));
  EXPECT_EQ(Keys(takeoff::PipeRows({"給水:管:VP-1:50|1:0:", "給水:管:VP:50|1:0:", "給水:管:VP:100|1:0:",
                                    "給水:管:VP:10|1:0:", "給水A:管:VP:10|1:0:", "給水:管A:VP:10|1:0:"})),
            (Lines{"給水:管:VP:10", "給水:管:VP:100", "給水:管:VP:50", "給水:管:VP-1:50", "給水:管A:VP:10",
                   "給水A:管:VP:10"}));
  // Texts alike but for case, and keys alike in their four fields, still in one order.
  EXPECT_EQ(Keys(takeoff::PipeRows({"a:b:vp:1:x|1:0:", "a:b:vp:1|1:0:", "a:b:VP:1|1:0:"})),
            (Lines{"a:b:VP:1", "a:b:vp:1", "a:b:vp:1:x"}));
}

// Many keys from few field texts, in any order: the rows are those of
// their definition.
TEST(TallyRows, ManyKeysAsTheirDefinitionHasThem) {
  const Lines classes = {"給水", "排水", "冷温水", "-", "", "給水A", "給水a"};
  const Lines families = {"ＴＳ継手", "管", "管A", "管a", "ＭＤ継手", "ア", "ヂ"};
  const Lines names = {"エルボ", "VP", "vp", "VP-1", "チーズ", "", "a~b"};
  const Lines sizes = {"10", "100", "25", "250", "80･50", "80", "", "x", "x:y"};  // x, x:y: pipe keys alike in all four
  const Lines lengths = {"001:000:", "250:060:", "015:000:*", "7", ""};
  std::mt19937 random(5);
  auto pick = [&](const Lines& texts) {
    return texts[std::uniform_int_distribution<size_t>(0, texts.size() - 1)(random)];
  };
  Lines fittings, pipes;
  for (int i = 0; i < 3000; ++i) {
    fittings.push_back(pick(classes) + ":" + pick(families) + ":" + pick(names) + "~" + pick(sizes) + "|@:001:");
    pipes.push_back(pick(classes) + ":" + pick(families) + ":" + pick(names) + ":" + pick(sizes) + "|" + pick(lengths));
  }
  const Lines fittingRows = RowTexts(takeoff::FittingRows(fittings));
  EXPECT_GT(fittingRows.size(), 1000u);
  EXPECT_EQ(fittingRows, RowTexts(reference::Rows(fittings, false)));
  EXPECT_EQ(RowTexts(takeoff::PipeRows(pipes)), RowTexts(reference::Rows(pipes, true)));
}

// A thousand pipes of 0.01 m at 1° add up to 10.001523 m; adding the
// six-decimal texts of the running total would give 10.002000.
TEST(TallyRows, PipeTotalsAreSummedAsNumbers) {
  EXPECT_EQ(takeoff::PipeRows(Lines(1000, "給水:管:VP:50|001:001:")).at(0).amount, "10.001523");
}
