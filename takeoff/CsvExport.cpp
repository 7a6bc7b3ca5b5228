#include "takeoff/CsvExport.h"

#include "takeoff/ResultTables.h"

namespace takeoff {
namespace {

std::string Field(const std::string& text) {
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
