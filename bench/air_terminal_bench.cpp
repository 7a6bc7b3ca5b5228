// Rebuilding a fitting and writing its drawing data happen on every
// keystroke and placement; this measures the largest air-terminal figure:
// the paddle-shaped box, lined and hatched.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/Startup.h"
#include "duct/AnemoBox.h"
#include "figure/DrawData.h"
#include "ui/headless/Driver.h"
#include "ui/headless/HeadlessServices.h"

namespace {

struct Bench {
  Bench() : root(std::filesystem::temp_directory_path() / "tavrin-bench"), drive(root) {
    std::filesystem::remove_all(root);
    app::InstallIfNeeded(drive, app::ShippedData());
  }
  ~Bench() { std::filesystem::remove_all(root); }
  std::filesystem::path root;
  ui::Drive drive;
  ui::HeadlessServices services;
};

void RebuildAndWriteLinedAnemoBox(benchmark::State& state) {
  Bench bench;
  duct::AnemoBox dialog({bench.drive, bench.services});
  dialog.UserInit();
  ui::Driver user(dialog);
  user.Click("羽子板形ボックス");
  if (!user.Checked("内貼り有")) user.Click("内貼り有");
  user.Type("1010", "25");
  user.Type("1001", "800");
  for (auto _ : state) {
    user.Click("表示更新");
    figure::WriteDrawData(bench.drive, dialog.figure(), false);
  }
  state.counters["records"] = dialog.figure().count();
}
BENCHMARK(RebuildAndWriteLinedAnemoBox)->Unit(benchmark::kMicrosecond);

void RebuildOnly(benchmark::State& state) {
  Bench bench;
  duct::AnemoBox dialog({bench.drive, bench.services});
  dialog.UserInit();
  ui::Driver user(dialog);
  user.Click("羽子板形ボックス");
  if (!user.Checked("内貼り有")) user.Click("内貼り有");
  for (auto _ : state) user.Click("表示更新");
}
BENCHMARK(RebuildOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
