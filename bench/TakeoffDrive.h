// A drive for the take-off benchmarks: the name lists of a large catalogue
// and a drawing's marker extract of the given size, written as the take-off
// settings and the take-off batch would leave them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "bench/MarkerExtract.h"
#include "settings/Paths.h"
#include "ui/Drive.h"

namespace bench {

inline void WriteTakeoffLists(const ui::Drive& drive) {
  auto numbered = [](const std::string& name, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back(name + std::to_string(i));
    return lines;
  };
  auto write = [&](const char* file, const std::vector<std::string>& lines) {
    drive.WriteLines(settings::HaikanFile(file), lines);
  };
  write("TugiteName.ini", numbered("継手", 22));
  write("TugiteBunruiName.ini", numbered("分類", 8));
  write("KanBunruiName.ini", numbered("分類", 8));
  for (const char* kinds : {"KanName1.ini", "KanName2.ini", "KanName3.ini", "KanName4.ini", "KanName5.ini"})
    write(kinds, {"管種A", "管種B", "管種C"});
  write("HaikanName.ini", numbered("配管", 13));
  std::vector<std::string> breakdowns;
  for (int family = 0; family < 22; ++family)
    for (int sheet = 1; sheet <= 4; ++sheet)
      for (int cell = 1; cell <= 20; ++cell)
        breakdowns.push_back(std::to_string(family) + "_" + std::to_string(sheet) + "_" + std::to_string(cell) +
                             (cell % 7 == 0 ? ":2:部材" : ":1:部材") + std::to_string(cell) + ":ソケット");
  write("SekisanBunrui.ini", breakdowns);
}

// The lists and an extract of `markers` markers, half fittings and half
// pipes; returns the extract's size in bytes.
inline uintmax_t WriteTakeoffDrive(const std::filesystem::path& root, size_t markers) {
  std::filesystem::create_directories(root / "Tavrin" / "HaikanSet");
  ui::Drive drive(root);
  WriteTakeoffLists(drive);
  drive.WriteLines(settings::HaikanFile("Toridasi.txt"), RandomExtract(markers / 2, markers / 2, 1));
  return std::filesystem::file_size(drive.Locate(settings::HaikanFile("Toridasi.txt")));
}

}  // namespace bench
