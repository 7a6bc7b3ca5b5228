#include "takeoff/CsvExport.h"

#include <string_view>

#include "ui/Text.h"

namespace takeoff {
namespace {

// A decimal number, signed or not, such as "-12" or "+0.5".
bool IsSignedNumber(std::string_view text) {
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  return ui::IsPlainDecimal(text);
}

// A spreadsheet would run such a cell as a formula: it gets an apostrophe,
// which shows it as text.
bool RunsAsFormula(const std::string& text) {
  if (text.empty() || text == "-" || IsSignedNumber(text)) return false;
  return text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@';
}

std::string Field(const std::string& cell) {
  std::string text = RunsAsFormula(cell) ? "'" + cell : cell;
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void AddLine(std::string& csv, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) csv += (i ? "," : "") + Field(fields[i]);
  csv += "\r\n";
}

// The table's rows under its heading; a classification or family that the
// table shows only where it changes is repeated in every row it stands for.
void AddTable(std::string& csv, const char* heading, const ui::TableModel& table, const std::string& title) {
  AddLine(csv, {heading, title});
  std::vector<std::string> shown;
  for (int row = 0; row < table.RowCount(); ++row) {
    std::vector<std::string> cells(6);
    for (int col = 0; col < 6 && col < table.ColumnCount(); ++col) cells[col] = table.Cell(row, col);
    if (row == 0) {
      cells[0] = "No.";
    } else {
      const bool classificationShown = !cells[1].empty();
      if (!classificationShown && !shown.empty()) cells[1] = shown[1];
      if (cells[2].empty() && !shown.empty() && !classificationShown) cells[2] = shown[2];
      shown = cells;
    }
    AddLine(csv, cells);
  }
}

}  // namespace

std::string CsvBytes(const ui::TableModel& fittings, const ui::TableModel& pipes, const std::string& title) {
  std::string csv = "\xEF\xBB\xBF";
  AddTable(csv, "継手集計表", fittings, title);
  csv += "\r\n";
  AddTable(csv, "配管集計表", pipes, title);
  return csv;
}

}  // namespace takeoff
