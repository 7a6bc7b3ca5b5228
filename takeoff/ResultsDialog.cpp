#include "takeoff/ResultsDialog.h"

#include <exception>

#include "takeoff/CsvExport.h"
#include "takeoff/Markers.h"
#include "takeoff/PrintLayout.h"
#include "takeoff/ResultTables.h"
#include "takeoff/SavedResult.h"
#include "takeoff/XlsxExport.h"
#include "ui/Drive.h"

namespace takeoff {
namespace {

const char* const kSavedFolder = R"(\Tavrin\SekisanData)";
constexpr int kDisplayGroup = 1;

ui::Layout ResultsLayout() {
  ui::Layout layout;
  layout.caption = "積算結果表";
  layout.width = 501;
  layout.height = 302;
  layout.Add(ui::Kind::Grid, kFittingTable, "", {7, 7, 380, 270});
  layout.Add(ui::Kind::Grid, kPipeTable, "", {7, 7, 380, 270}, ui::kHidden);
  layout.Label(kStatus, "", {7, 283, 200, 12});
  layout.Add(ui::Kind::Progress, kProgressBar, "", {212, 284, 175, 10});

  layout.Group("<<積算情報>>", {394, 3, 100, 66});
  layout.Button(kReadStart, "読込開始", {401, 15, 86, 15});
  layout.Button(kTallyStart, "集計開始", {401, 33, 86, 15});
  layout.Check(kMerge, "現在の集計結果に合算", {399, 52, 94, 12});
  layout.Group("<<表示>>", {394, 72, 100, 28});
  layout.Radio(kShowFittings, "継手", {404, 84, 38, 11}, kDisplayGroup);
  layout.Radio(kShowPipes, "配管", {448, 84, 38, 11}, kDisplayGroup);
  layout.Group("<<タイトル>>", {394, 103, 100, 30});
  layout.Edit(kTitle, {401, 115, 86, 13});
  layout.Group("<<集計結果>>", {394, 136, 100, 48});
  layout.Button(kLoad, "集計結果読込", {401, 148, 86, 15});
  layout.Button(kSave, "集計結果保存", {401, 166, 86, 15});
  layout.Group("<<印刷・出力>>", {394, 187, 100, 84});
  layout.Button(kPrint, "印刷開始", {401, 199, 86, 15});
  layout.Button(kPreview, "印刷プレビュー", {401, 217, 86, 15});
  layout.Button(kPdf, "PDF に保存", {401, 235, 86, 15});
  layout.Button(kCsv, "CSV 出力", {401, 253, 42, 15});
  layout.Button(kExcel, "Excel 出力", {445, 253, 42, 15});
  layout.Button(ui::kIdCancel, "終了", {401, 279, 86, 16});
  return layout;
}

// Shows the phases of a tally in the status label and the progress bar,
// moving the bar only when its percentage changes. A tally that stops on a
// failure leaves neither behind.
class DialogProgress : public Progress {
 public:
  explicit DialogProgress(ui::Form& form) : form_(form) {}
  ~DialogProgress() override {
    if (std::uncaught_exceptions() == failures_) return;
    form_.SetText(kStatus, "");
    form_.SetProgress(kProgressBar, 0, 100);
  }
  void Phase(const std::string& status, size_t steps) override {
    steps_ = steps;
    percent_ = 0;
    if (form_.Text(kStatus) != status) form_.SetText(kStatus, status);
    form_.SetProgress(kProgressBar, 0, 100);
  }
  void Step(size_t done) override {
    int percent = steps_ == 0 ? 100 : static_cast<int>(std::min<size_t>(done, steps_) * 100 / steps_);
    if (percent == percent_) return;
    percent_ = percent;
    form_.SetProgress(kProgressBar, percent, 100);
  }

 private:
  ui::Form& form_;
  const int failures_ = std::uncaught_exceptions();
  size_t steps_ = 0;
  int percent_ = 0;
};

}  // namespace

ResultsDialog::ResultsDialog(ui::Env env) : DialogHandler(env, ResultsLayout()) {}

void ResultsDialog::OnInit() {
  ShowTables(std::make_shared<ResultTable>(Table::Fittings), std::make_shared<ResultTable>(Table::Pipes));
  form().SetChecked(kShowFittings, true);
  // Without a way to write PDF files the button is off, and the status line
  // says why until the first tally.
  if (auto reason = services().PdfUnavailable()) {
    form().SetEnabled(kPdf, false);
    form().SetText(kStatus, *reason);
  }
  lists_ = ReadNameLists(drive());
}

void ResultsDialog::OnNotify(int id, ui::Notify what) {
  if (what != ui::Notify::Click) return;
  switch (id) {
    case kReadStart: return WriteBatch();
    case kTallyStart: return StartTally();
    case kShowFittings:
    case kShowPipes:
      form().SetVisible(kFittingTable, id == kShowFittings);
      form().SetVisible(kPipeTable, id == kShowPipes);
      return;
    case kLoad: return Load();
    case kSave: return Save();
    case kPrint: return Print();
    case kPreview: return Preview();
    case kPdf: return SavePdf();
    case kCsv: return ExportCsv();
    case kExcel: return ExportExcel();
  }
}

void ResultsDialog::WriteBatch() {
  drive().WriteLines(R"(\jww\積算.bat)", TakeoffBatchLines());
  Message("外部変形>積算.batを実行後、集計開始をクリックしてください。", "確認");
}

void ResultsDialog::StartTally() {
  const bool merge = form().Checked(kMerge);
  if (merge && !tally_.fittings.empty() && !tally_.pipes.empty() &&
      Message("現在の集計結果に加算されます。よろしいですか？", "確認", ui::Buttons::OkCancel) == ui::Answer::Cancel)
    return;
  DialogProgress progress(form());
  std::string extract = ReadExtractBytes(drive(), progress);
  // Without its names a tally would be wrong, so a list that was missing on
  // opening is asked for again.
  if (!lists_) lists_ = ReadNameLists(drive());
  TallyExtract(std::move(extract), *lists_, merge, tally_, progress);
  ShowResults("集計終了しました。");
}

void ResultsDialog::ShowResults(const std::string& message) {
  DialogProgress progress(form());
  std::vector<ResultRow> fittings = FittingRows(tally_.fittings, progress);
  std::vector<ResultRow> pipes = PipeRows(tally_.pipes, progress);
  ShowTables(std::make_shared<ResultTable>(Table::Fittings, std::move(fittings)),
             std::make_shared<ResultTable>(Table::Pipes, std::move(pipes)));
  form().SetText(kStatus, "");
  form().SetProgress(kProgressBar, 0, 100);
  Message(message, "確認");
}

void ResultsDialog::ShowTables(std::shared_ptr<const ResultTable> fittings, std::shared_ptr<const ResultTable> pipes) {
  fittingTable_ = std::move(fittings);
  pipeTable_ = std::move(pipes);
  form().SetTable(kFittingTable, fittingTable_);
  form().SetTable(kPipeTable, pipeTable_);
}

void ResultsDialog::Load() {
  if (!tally_.fittings.empty() && !tally_.pipes.empty() &&
      Message("現在の集計結果は破棄されます\n（加算されません）\nよろしいですか？ ", "確認", ui::Buttons::OkCancel) ==
          ui::Answer::Cancel)
    return;
  auto file = services().ChooseFile(
      {.defaultExtension = "sdt", .fileName = "*.sdt", .filter = "*.sdt", .folder = drive().Locate(kSavedFolder)});
  if (!file) return;
  // Read before anything is replaced: a file that cannot be read leaves the
  // results held as they were.
  std::vector<std::string> lines = ui::ReadTextFile(*file);
  form().SetText(kTitle, TitleOf(ui::Utf8Of(file->filename())));
  tally_ = LoadedTally(lines);
  ShowResults("データ読込み完了。");
}

void ResultsDialog::Save() {
  if (tally_.empty()) {
    Message("保存するデータがありません。", "\t確認");
    return;
  }
  if (auto file = ChooseOutput("sdt")) ui::WriteTextFile(*file, SavedLines(tally_));
}

std::optional<std::filesystem::path> ResultsDialog::ChooseOutput(const std::string& extension) {
  const std::string& title = form().Text(kTitle);
  return services().ChooseFile({.save = true,
                                .defaultExtension = extension,
                                .fileName = title.empty() ? "*." + extension : title,
                                .filter = "*." + extension,
                                .folder = drive().Locate(kSavedFolder),
                                .confirmOverwrite = true});
}

std::optional<ui::PrintDocument> ResultsDialog::ConfirmedDocument() {
  const std::string& title = form().Text(kTitle);
  if (title.empty() && Message("タイトル無しでよろしいですか？ ", "確認", ui::Buttons::OkCancel) == ui::Answer::Cancel)
    return std::nullopt;
  return TablesDocument(form().Table(kFittingTable), form().Table(kPipeTable), title,
                        services().PrintLineHeight("ＭＳ 明朝", 350));
}

bool ResultsDialog::HasResults() {
  if (!fittingTable_->rows().empty() || !pipeTable_->rows().empty()) return true;
  Message("出力するデータがありません。", "確認");
  return false;
}

void ResultsDialog::Print() {
  if (auto document = ConfirmedDocument()) services().Print(*document);
}

void ResultsDialog::Preview() {
  if (!HasResults()) return;
  if (auto document = ConfirmedDocument()) services().PreviewPrint(*document);
}

void ResultsDialog::SavePdf() {
  if (!HasResults()) return;
  auto document = ConfirmedDocument();
  if (!document) return;
  if (auto file = ChooseOutput("pdf")) services().SavePdf(*document, *file);
}

void ResultsDialog::ExportCsv() {
  if (!HasResults()) return;
  if (auto file = ChooseOutput("csv"))
    ui::WriteFileAtomically(*file,
                            CsvBytes(form().Table(kFittingTable), form().Table(kPipeTable), form().Text(kTitle)));
}

void ResultsDialog::ExportExcel() {
  if (!HasResults()) return;
  if (auto file = ChooseOutput("xlsx"))
    ui::WriteFileAtomically(*file, XlsxBytes(form().Table(kFittingTable), form().Table(kPipeTable),
                                             form().Text(kTitle), drive().Locate(R"(\Tavrin)")));
}

}  // namespace takeoff
