// "積算結果表": takes the markers of a drawing off the extract that the
// take-off batch leaves, tallies them into the fitting and pipe tables, and
// saves, reloads, adds up, prints and exports the results.
#pragma once

#include <memory>
#include <optional>

#include "takeoff/Entries.h"
#include "takeoff/NameLists.h"
#include "takeoff/ResultTables.h"
#include "ui/Dialog.h"

namespace takeoff {

enum ResultsId {
  kFittingTable = 1001,
  kPipeTable = 1002,
  kShowFittings = 1003,  // "継手"
  kShowPipes = 1004,     // "配管"
  kTitle = 1005,
  kMerge = 1006,         // "現在の集計結果に合算"
  kReadStart = 1007,     // "読込開始"
  kTallyStart = 1008,    // "集計開始"
  kLoad = 1009,          // "集計結果読込"
  kSave = 1010,          // "集計結果保存"
  kPrint = 1011,         // "印刷開始"
  kPreview = 1012,       // "印刷プレビュー"
  kPdf = 1013,           // "PDF に保存"
  kCsv = 1014,           // "CSV 出力"
  kStatus = 1015,
  kProgressBar = 1016,
  kExcel = 1017,         // "Excel 出力"
};

class ResultsDialog : public ui::DialogHandler {
 public:
  explicit ResultsDialog(ui::Env env);

  const Tally& tally() const { return tally_; }

 protected:
  void OnInit() override;
  // Results can still be loaded; a missing list is asked for again by the tally.
  void OnOpeningFailed() override {}
  void OnNotify(int id, ui::Notify what) override;

 private:
  void WriteBatch();
  void StartTally();
  void Load();
  void Save();
  void Print();
  void Preview();
  void SavePdf();
  void ExportCsv();
  void ExportExcel();

  // Aggregates the entries into both tables, then says so.
  void ShowResults(const std::string& message);
  void ShowTables(std::shared_ptr<const ResultTable> fittings, std::shared_ptr<const ResultTable> pipes);
  // The printed tables, once the user agrees to print them as they are.
  std::optional<ui::PrintDocument> ConfirmedDocument();
  // Whether there are results to output; says so when there are none.
  bool HasResults();
  std::optional<std::filesystem::path> ChooseOutput(const std::string& extension);

  std::optional<NameLists> lists_;  // read on opening, again when that failed
  Tally tally_;
  std::shared_ptr<const ResultTable> fittingTable_, pipeTable_;  // as the grids show them
};

}  // namespace takeoff
