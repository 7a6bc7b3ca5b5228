// The marker extract Toridasi.txt as "集計開始" reads it, with the shipped
// name lists: tallied, shown as rows, saved, loaded and saved again. The
// saved lines come back unchanged, and the totals are finite.
#include "takeoff/Entries.h"
#include "takeoff/Rows.h"
#include "takeoff/SavedResult.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const takeoff::NameLists lists = takeoff::ReadNameLists(fuzz::FuzzDrive::Get().drive());
  takeoff::NoProgress progress;
  takeoff::Tally tally;
  takeoff::TallyExtract(std::string(fuzz::Bytes(data, size)), lists, false, tally, progress);
  for (const auto& row : takeoff::PipeRows(tally.pipes))
    fuzz::Check(fuzz::FiniteNumber(row.amount), "a pipe total " + row.amount);
  for (const auto& row : takeoff::FittingRows(tally.fittings))
    fuzz::Check(fuzz::FiniteNumber(row.amount), "a count " + row.amount);
  std::vector<std::string> saved = takeoff::SavedLines(tally);
  std::string file;
  for (const std::string& line : saved) file += line + "\r\n";
  std::vector<std::string> again = takeoff::SavedLines(takeoff::LoadedTally(ui::DecodeLines(ui::Utf8ToCp932(file))));
  fuzz::Check(again == saved, "a tally saved and loaded changes");
  return 0;
}
