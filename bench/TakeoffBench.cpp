// The take-off tally on large drawings: writes marker extracts of 20,000 and
// 200,000 markers, then tallies each in a process of its own and prints the
// time and the peak memory, so that the growth from one to the other shows.
//
//   ninja -C build takeoff_bench && build/bench/takeoff_bench   (or: ninja -C build benchmarks)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "bench/MarkerExtract.h"
#include "settings/Paths.h"
#include "takeoff/Entries.h"
#include "takeoff/ResultTables.h"
#include "takeoff/Rows.h"
#include "ui/Drive.h"

namespace fs = std::filesystem;
using namespace takeoff;

namespace {

NameLists BenchLists() {
  NameLists lists;
  for (int i = 1; i <= 22; ++i) lists.families.push_back("継手" + std::to_string(i));
  for (int i = 1; i <= 8; ++i) lists.fittingClasses.push_back("分類" + std::to_string(i));
  lists.pipeClasses = lists.fittingClasses;
  for (auto& kinds : lists.pipeKinds) kinds = {"管種A", "管種B", "管種C"};
  for (int i = 1; i <= 13; ++i) lists.pipeNames.push_back("配管" + std::to_string(i));
  for (int f = 0; f < 22; ++f)
    for (int sheet = 1; sheet <= 4; ++sheet)
      for (int cell = 1; cell <= 20; ++cell)
        lists.breakdowns[std::to_string(f) + "_" + std::to_string(sheet) + "_" + std::to_string(cell)] =
            Breakdown{cell % 7 == 0 ? 2 : 1, "部材" + std::to_string(cell), "ソケット"};
  return lists;
}

// One tally of the extract on the drive, as "集計開始" runs it.
int Run(const fs::path& root) {
  ui::Drive drive(root);
  NameLists lists = BenchLists();
  NoProgress none;
  auto start = std::chrono::steady_clock::now();
  std::string extract = ReadExtractBytes(drive);
  Tally tally;
  TallyExtract(extract, lists, false, tally, none);
  ResultTable fittings(Table::Fittings, FittingRows(tally.fittings));
  ResultTable pipes(Table::Pipes, PipeRows(tally.pipes));
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%9zu circles %8zu entries %6d rows %7.3f s %7.1f MB peak\n", extract.size() / 25,
              tally.fittings.size() + tally.pipes.size(), fittings.RowCount() + pipes.RowCount() - 2, seconds,
              usage.ru_maxrss / 1024.0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "run") return Run(argv[2]);
  fs::path base = fs::temp_directory_path() / "tavrin-takeoff-bench";
  for (size_t markers : {10000, 100000}) {
    fs::path root = base / std::to_string(markers);
    fs::create_directories(root / "Tavrin" / "HaikanSet");
    std::vector<std::string> lines = bench::RandomExtract(markers, markers, 1);
    ui::Drive(root).WriteLines(settings::HaikanFile("Toridasi.txt"), lines);
    std::printf("%6zu fittings + %6zu pipes, %8zu lines, %6.1f MB: ", markers, markers, lines.size(),
                fs::file_size(ui::Drive(root).Locate(settings::HaikanFile("Toridasi.txt"))) / 1e6);
    std::fflush(stdout);
    lines = {};
    std::string command = "'" + std::string(argv[0]) + "' run '" + root.string() + "'";
    if (std::system(command.c_str()) != 0) return 1;
  }
  fs::remove_all(base);
  return 0;
}
