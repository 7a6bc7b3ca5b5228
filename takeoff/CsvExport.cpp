#include "takeoff/CsvExport.h"

#include <cctype>

#include "takeoff/ResultTables.h"

namespace takeoff {
namespace {

// A signed decimal number such as "-12" or "+0.5".
bool IsSignedNumber(const std::string& text) {
  size_t i = text.empty() ? 0 : text[0] == '-' || text[0] == '+', digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) ++digits;
  return digits > 0 && i == text.size();
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

void AddTable(std::string& csv, Table table, const std::vector<ResultRow>& rows, const std::string& title) {
  bool fittings = table == Table::Fittings;
  AddLine(csv, {fittings ? "継手集計表" : "配管集計表", title});
  AddLine(csv, {"No.", "分類", "継手種類", fittings ? "名称" : "配管種類", "サイズ", fittings ? "個数" : "総m"});
  for (size_t k = 0; k < rows.size(); ++k) {
    auto cells = RowCells(table, rows[k]);
    AddLine(csv, {std::to_string(k + 1), cells[0], cells[1], cells[2], cells[3], cells[4]});
  }
}

}  // namespace

std::string CsvBytes(const std::vector<ResultRow>& fittings, const std::vector<ResultRow>& pipes,
                     const std::string& title) {
  std::string csv = "\xEF\xBB\xBF";
  AddTable(csv, Table::Fittings, fittings, title);
  csv += "\r\n";
  AddTable(csv, Table::Pipes, pipes, title);
  return csv;
}

}  // namespace takeoff
