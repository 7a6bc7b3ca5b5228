// Saved take-off results (.sdt) as "集計結果読込" reads them: loaded, shown
// in the tables, printed and exported as CSV, then saved, loaded and saved
// again. The second save is the first line for line, and every amount is a
// finite number.
#include "takeoff/CsvExport.h"
#include "takeoff/PrintLayout.h"
#include "takeoff/ResultTables.h"
#include "takeoff/SavedResult.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  takeoff::Tally tally = takeoff::LoadedTally(ui::DecodeLines(fuzz::Bytes(data, size)));
  std::vector<takeoff::ResultRow> fittings = takeoff::FittingRows(tally.fittings);
  std::vector<takeoff::ResultRow> pipes = takeoff::PipeRows(tally.pipes);
  for (const auto& row : pipes) fuzz::Check(fuzz::FiniteNumber(row.amount), "a pipe total " + row.amount);
  for (const auto& row : fittings) fuzz::Check(fuzz::FiniteNumber(row.amount), "a count " + row.amount);
  const takeoff::ResultTable fittingTable(takeoff::Table::Fittings, fittings);
  const takeoff::ResultTable pipeTable(takeoff::Table::Pipes, pipes);
  takeoff::TablesDocument(fittingTable, pipeTable, "title", 350);
  takeoff::CsvBytes(fittingTable, pipeTable, "title");

  std::vector<std::string> saved = takeoff::SavedLines(tally);
  std::string file;
  for (const std::string& line : saved) file += line + "\r\n";
  std::vector<std::string> again = takeoff::SavedLines(takeoff::LoadedTally(ui::DecodeLines(ui::Utf8ToCp932(file))));
  fuzz::Check(again == saved, "a result saved and loaded changes");
  return 0;
}
