// The take-off tally on large drawings. Writes marker extracts of 20,000
// and 200,000 markers (half fittings, half pipes), then for each, in a
// process of its own so that the peak memory is its own:
//   - the baseline: reading the extract from the page cache and one plain
//     pass over its bytes (counting the line ends with memchr);
//   - the tally as "集計開始" runs it up to the rows of both tables: reading
//     the extract, decoding the markers, forming the entries, aggregating
//     and ordering the rows;
// each the best of a few runs in processor time (user and system: the
// machine may be busy with other work), the tally also as a ratio to the
// baseline;
// and the peak memory above the extract's size. Then the former tally
// (bench/ReferenceTally.h) on the same extract, whose saved result must be
// the same bytes, with the rows as they are defined, which must be the same
// rows in the same order; and the growth from the smaller drawing to the
// larger.
//
//   ninja -C build takeoff_bench && build/bench/takeoff_bench   (or: ninja -C build benchmarks)
#include <sys/resource.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/ReferenceTally.h"
#include "bench/TakeoffDrive.h"
#include "takeoff/Entries.h"
#include "takeoff/Rows.h"
#include "takeoff/SavedResult.h"

namespace fs = std::filesystem;
using namespace takeoff;

namespace {

constexpr int kRuns = 5;

// Processor seconds of this process so far.
double Seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

// The best time of a few runs.
double Best(const std::function<void()>& run) {
  double best = 1e9;
  for (int i = 0; i < kRuns; ++i) {
    const double start = Seconds();
    run();
    best = std::min(best, Seconds() - start);
  }
  return best;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

size_t CountLines(const std::string& bytes) {
  size_t lines = 0;
  for (const char *p = bytes.data(), *end = p + bytes.size();
       (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
    ++lines;
  return lines;
}

std::vector<std::string> RowTexts(const std::vector<ResultRow>& fittings, const std::vector<ResultRow>& pipes) {
  std::vector<std::string> texts;
  for (const auto* rows : {&fittings, &pipes})
    for (const ResultRow& row : *rows) texts.push_back(row.Text());
  return texts;
}

// In a process of its own: "seconds of the baseline, of the tally, of the
// tally without reading, peak MB, entries, rows, seconds of the memchr pass
// alone and of the tally up to the entries", the saved result in after.sdt
// and the rows in after.rows.
int RunTally(const fs::path& root) {
  ui::Drive drive(root);
  const NameLists lists = ReadNameLists(drive);
  NoProgress none;
  Tally tally;
  std::vector<ResultRow> fittingRows, pipeRows;
  double seconds = 1e9, decoding = 1e9, entries = 1e9;
  auto tallyOnce = [&] {
    // As on a first "集計開始"; the rows stay, as the tables keep them.
    tally = Tally{};
    fittingRows = {};
    pipeRows = {};
    const double start = Seconds();
    std::string extract = ReadExtractBytes(drive);
    const double read = Seconds();
    TallyExtract(std::move(extract), lists, false, tally, none);
    const double formed = Seconds();
    fittingRows = FittingRows(tally.fittings, none);
    pipeRows = PipeRows(tally.pipes, none);
    const double end = Seconds();
    seconds = std::min(seconds, end - start);
    decoding = std::min(decoding, end - read);
    entries = std::min(entries, formed - read);
  };
  // The peak of one tally in a fresh process; the runs after it reuse the
  // memory the first one let go.
  tallyOnce();
  const double peak = PeakMegabytes();
  volatile size_t lines = 0;
  const double baseline = Best([&] { lines = CountLines(ReadExtractBytes(drive)); });
  const std::string bytes = ReadExtractBytes(drive);
  const double pass = Best([&] { lines = CountLines(bytes); });
  for (int i = 0; i < kRuns; ++i) tallyOnce();
  const size_t rows = fittingRows.size() + pipeRows.size();
  ui::WriteTextFile(root / "after.sdt", SavedLines(tally));
  ui::WriteTextFile(root / "after.rows", RowTexts(fittingRows, pipeRows));
  std::printf("%.4f %.4f %.4f %.1f %zu %zu %.4f %.4f\n", baseline, seconds, decoding, peak,
              tally.fittings.size() + tally.pipes.size(), rows, pass, entries);
  return 0;
}

// In a process of its own: the former tally's "seconds, peak MB", its saved
// result in before.sdt and the rows by their definition in before.rows.
int RunReference(const fs::path& root) {
  ui::Drive drive(root);
  const NameLists lists = ReadNameLists(drive);
  Tally tally = reference::Tally(ReadExtractBytes(drive), lists);
  const double peak = PeakMegabytes();
  const double seconds = Best([&] { tally = reference::Tally(ReadExtractBytes(drive), lists); });
  ui::WriteTextFile(root / "before.sdt", SavedLines(tally));
  ui::WriteTextFile(root / "before.rows",
                    RowTexts(reference::Rows(tally.fittings, false), reference::Rows(tally.pipes, true)));
  std::printf("%.4f %.1f\n", seconds, peak);
  return 0;
}

// The numbers a child process printed.
std::vector<double> Child(const char* self, const char* mode, const fs::path& root) {
  const std::string command = "'" + std::string(self) + "' " + mode + " '" + root.string() + "'";
  std::vector<double> numbers;
  if (FILE* out = popen(command.c_str(), "r")) {
    for (double n; std::fscanf(out, "%lf", &n) == 1;) numbers.push_back(n);
    if (pclose(out) != 0) numbers.clear();
  }
  return numbers;
}

struct Measured {
  double seconds, decoding, aboveFile;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "tally") return RunTally(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "reference") return RunReference(argv[2]);
  const fs::path base = fs::temp_directory_path() / "tavrin-takeoff-bench";
  std::vector<Measured> sizes;
  bool same = true;
  for (size_t markers : {20000, 200000}) {
    const fs::path root = base / std::to_string(markers);
    const double fileMegabytes = bench::WriteTakeoffDrive(root, markers) / 1048576.0;
    std::vector<double> after = Child(argv[0], "tally", root);
    std::vector<double> before = Child(argv[0], "reference", root);
    if (after.size() != 8 || before.size() != 2) {
      std::fprintf(stderr, "a measuring run failed\n");
      return 1;
    }
    const bool sameSaved = ui::ReadTextFile(root / "after.sdt") == ui::ReadTextFile(root / "before.sdt");
    const bool sameRows = ui::ReadTextFile(root / "after.rows") == ui::ReadTextFile(root / "before.rows");
    same = same && sameSaved && sameRows;
    const double above = after[3] - fileMegabytes;
    std::printf("%7zu markers, %5.1f MB extract, %6.0f entries, %6.0f rows\n", markers, fileMegabytes, after[4],
                after[5]);
    std::printf("  baseline (read + memchr pass)  %7.3f s\n", after[0]);
    std::printf("  tally to the rows              %7.3f s  = %4.1f x baseline\n", after[1], after[1] / after[0]);
    std::printf("    without the read             %7.3f s  = %4.1f x the memchr pass alone (%.3f s)\n", after[2],
                after[2] / after[6], after[6]);
    std::printf("    of which to the entries      %7.3f s  = %4.1f x the memchr pass alone\n", after[7],
                after[7] / after[6]);
    std::printf("  peak memory                    %7.1f MB = %5.1f MB above the extract\n", after[3], above);
    std::printf("  former tally to the entries    %7.3f s, %7.1f MB peak; saved result %s, rows %s\n", before[0],
                before[1], sameSaved ? "the same" : "DIFFER", sameRows ? "the same" : "DIFFER");
    sizes.push_back({after[1], after[2], above});
  }
  std::printf(
      "growth 20,000 -> 200,000 markers: %.1f x in time (%.1f x without the read), %.1f x in memory above the "
      "extract\n",
      sizes[1].seconds / sizes[0].seconds, sizes[1].decoding / sizes[0].decoding,
      sizes[1].aboveFile / sizes[0].aboveFile);
  fs::remove_all(base);
  return same ? 0 : 1;
}
