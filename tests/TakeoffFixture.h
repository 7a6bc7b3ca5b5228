// Name lists and marker extracts for the take-off tests, written into a test
// drive as the take-off settings and the take-off batch would leave them.
#pragma once

#include <string>
#include <vector>

#include "bench/MarkerExtract.h"
#include "settings/Paths.h"
#include "tests/TestDrive.h"

namespace test {

inline void WriteNameLists(const TestDrive& t) {
  auto write = [&](const char* name, std::vector<std::string> lines) { t.Write(settings::HaikanFile(name), lines); };
  write("TugiteName.ini", {"ＴＳ継手", "ＤＶ継手", "ＭＤ継手(簡略）", "ＭＤ継手(詳細）", "ドレネジ継手", "溶接継手",
                           "ねじ込み継手", "銅管継手", "管端コア継手", "SUS拡管式継手", "SUSプレス継手", "フランジ継手",
                           "鋳鉄管(簡略)－１", "鋳鉄管(簡略)－２", "鋳鉄管(詳細)－１", "鋳鉄管(詳細)－２", "青銅弁",
                           "鋳鉄弁", "バタフライ弁", "特殊弁", "フレキ・伸縮継手", "丸ダクト部材"});
  write("TugiteBunruiName.ini", {"給水", "排水", "冷温水", "給湯"});
  write("KanBunruiName.ini", {"給水", "排水", "冷温水"});
  write("KanName1.ini", {"SGP白", "SGP黒", "STPG"});
  write("KanName2.ini", {"VP", "HIVP", "sgp-VA"});
  write("KanName3.ini", {"銅管M", "銅管L"});
  write("KanName4.ini", {"SUS304"});
  write("KanName5.ini", {"CIP"});
  write("SekisanBunrui.ini", {"0_1_2:1:エルボ", "0_2_3:2:チーズ:ソケット", "2_1_2:1:エルボ", "3_1_2:1:エルボ",
                              "0_1_2:1:重複", "5_3_20:1:最後の部材"});
  write("HaikanName.ini", {"塩ビ管", "鋼管", "鋳鉄管(簡略)－１", "鋳鉄管(詳細)－２"});
}

inline void WriteExtract(const TestDrive& t, const std::vector<std::string>& lines) {
  t.Write(settings::HaikanFile("Toridasi.txt"), lines);
}

// An extract of markers, each at its own centre (x = 100 × its number).
inline std::vector<std::string> Extract(const std::vector<bench::FittingMarker>& fittings,
                                        const std::vector<bench::PipeMarker>& pipes = {}) {
  std::vector<std::string> lines = {"hq"};
  int k = 0;
  for (const auto& m : fittings) bench::AddMarker(lines, std::to_string(100 * ++k), "50", bench::Radii(m));
  for (const auto& m : pipes) bench::AddMarker(lines, std::to_string(100 * ++k), "50", bench::Radii(m));
  return lines;
}

// The drive tests/play/takeoff_tally.play tallies: the name lists and an
// extract of three fittings and a pipe.
inline void PrepareTallyScript(const TestDrive& t) {
  WriteNameLists(t);
  WriteExtract(t, Extract({{.mainSize = 80}, {.mainSize = 50, .branchSize = 80}, {.classification = 2}},
                          {{.angle = 60, .length = 250}}));
}

}  // namespace test
