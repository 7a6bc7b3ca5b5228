// Mutated marker extracts and saved results: the tally never fails, it finds
// exactly the markers that a plain rescan of the circles finds, and its
// entries are those of the tally it replaced.
#include <gtest/gtest.h>

#include <random>

#include "bench/ReferenceTally.h"
#include "takeoff/Entries.h"
#include "takeoff/ResultTables.h"
#include "takeoff/Rows.h"
#include "takeoff/SavedResult.h"
#include "tests/TakeoffFixture.h"
#include "ui/Text.h"

using namespace takeoff;

namespace {

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string Mutated(std::string text, std::mt19937& random) {
  auto pick = [&](size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  for (int edits = 1 + static_cast<int>(pick(6)); edits > 0; --edits) {
    size_t at = pick(text.size());
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    size_t start = text.rfind('\n', at);
    start = start == std::string::npos ? 0 : start + 1;
    std::string line = text.substr(start, end - start);
    switch (pick(6)) {
      case 0: text.erase(at, pick(40)); break;                                 // truncated lines
      case 1: text.insert(start, line + "\n" + line + "\n"); break;            // duplicated circles
      case 2: text[at] = static_cast<char>(pick(256)); break;                  // binary bytes
      case 3: text.insert(at, std::string(1 + pick(8), static_cast<char>(0x80 + pick(128)))); break;
      case 4: if (at < text.size() && text[at] >= '0' && text[at] <= '9') text[at] = '0' + pick(10); break;  // odd radii
      case 5: text.insert(start, "lt" + std::to_string(pick(12)) + "\n"); break;
    }
  }
  return text;
}

// The markers as the plain method finds them: for every centre, in the order
// of its first head circle, rescan all circles.
std::vector<Marker> Rescanned(const reference::Circles& circles, const std::string& head, size_t wanted) {
  std::vector<Marker> markers;
  std::vector<std::pair<std::string_view, std::string_view>> seen;
  for (size_t i = 0; i < circles.size(); ++i) {
    reference::Circle centre = circles[i];
    if (centre.radius != head) continue;
    auto key = std::make_pair(centre.x, centre.y);
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
    seen.push_back(key);
    std::vector<std::string_view> radii;
    for (size_t k = 0; k < circles.size(); ++k)
      if (circles[k].x == centre.x && circles[k].y == centre.y) radii.push_back(circles[k].radius);
    if (radii.size() == wanted) markers.push_back(reference::DecodeMarker(radii));
  }
  return markers;
}

void ReadEveryCell(const ui::TableModel& table) {
  for (int row = 0; row < table.RowCount(); ++row)
    for (int col = 0; col < table.ColumnCount(); ++col) table.Cell(row, col);
}

std::vector<std::string> Codes(const std::vector<Marker>& markers) {
  std::vector<std::string> codes;
  for (const Marker& m : markers) {
    std::string code;
    for (int n = 1; n <= 8; ++n) code += std::string(m[n].code()) + "/" + std::to_string(m[n].value) + " ";
    codes.push_back(code);
  }
  return codes;
}

}  // namespace

TEST(TakeoffFuzz, MutatedExtractsFindWhatARescanFinds) {
  test::TestDrive t;
  test::WriteNameLists(t);
  NameLists lists = ReadNameLists(t.drive());
  std::mt19937 random(20240607);
  NoProgress none;
  size_t found = 0;
  for (int round = 0; round < 300; ++round) {
    // Some markers written with their head circle last, so that their other
    // circles come before any head of their centre.
    std::vector<std::string> lines = bench::RandomExtract(12, 12, round);
    for (auto marker = lines.begin(); round % 2 && marker != lines.end(); ++marker) {
      if (*marker != "lt9") continue;
      auto circles = marker + 1, end = circles;
      while (end != lines.end() && end->starts_with("ci ")) ++end;
      std::reverse(circles, end);
    }
    std::string text = Mutated(Join(lines), random);
    Markers markers = FindMarkers(text, none);
    reference::Circles circles(text);
    ASSERT_EQ(Codes(markers.fittings), Codes(Rescanned(circles, "0.91119", 9))) << "round " << round;
    ASSERT_EQ(Codes(markers.pipes), Codes(Rescanned(circles, "0.92229", 10))) << "round " << round;
    found += markers.fittings.size() + markers.pipes.size();
    Tally tally;
    TallyExtract(text, lists, false, tally, none);
    ASSERT_EQ(SavedLines(tally), SavedLines(reference::Tally(text, lists))) << "round " << round;
    EXPECT_LE(FittingRows(tally.fittings).size(), tally.fittings.size());
    ReadEveryCell(ResultTable(Table::Pipes, PipeRows(tally.pipes)));
  }
  EXPECT_GT(found, 300u * 24 / 2);  // most markers survive their mutations
}

TEST(TakeoffFuzz, MutatedSavedResultsLoad) {
  test::TestDrive t;
  test::WriteNameLists(t);
  test::WriteExtract(t, bench::RandomExtract(40, 40, 7));
  NameLists lists = ReadNameLists(t.drive());
  NoProgress none;
  Tally tally;
  TallyExtract(ReadExtractBytes(t.drive()), lists, false, tally, none);
  const std::string saved = Join(SavedLines(tally));
  std::mt19937 random(99);
  for (int round = 0; round < 300; ++round) {
    std::string text = Mutated(saved, random);
    std::vector<std::string> lines = ui::Split(ui::Cp932ToUtf8(text), '\n');
    for (std::string& line : lines)
      if (line.ends_with('\r')) line.pop_back();
    Tally loaded = LoadedTally(lines);
    size_t fittingLines = std::count_if(lines.begin(), lines.end(), [](auto& l) { return l.starts_with('0'); });
    long long counted = 0;
    for (const ResultRow& row : FittingRows(loaded.fittings)) counted += ui::ToInt(row.amount);
    EXPECT_EQ(counted, static_cast<long long>(fittingLines));
    ReadEveryCell(ResultTable(Table::Fittings, FittingRows(loaded.fittings)));
    ReadEveryCell(ResultTable(Table::Pipes, PipeRows(loaded.pipes)));
  }
}
