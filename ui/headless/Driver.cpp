#include "ui/headless/Driver.h"

#include "ui/Text.h"

namespace ui {
namespace {

bool IsNumber(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::optional<std::string> FormInput::Cell(int id, int row, int col) const {
  const TableModel& table = dialog_.form().Table(id);
  if (row < 0 || col < 0 || row >= table.RowCount() || col >= table.ColumnCount()) return std::nullopt;
  return table.Cell(row, col);
}

int Driver::Find(const ControlName& control) const {
  const Form& form = dialog_.form();
  if (IsNumber(control.text)) {
    int id = ToInt(control.text);
    if (!form.Has(id)) throw DriverError("「" + form.layout().caption + "」に ID " + control.text + " のコントロールはありません");
    return id;
  }
  int found = kNoId;
  int matches = 0;
  for (const Control& c : form.layout().controls) {
    if (c.id == kNoId || form.Text(c.id) != control.text) continue;
    if (!form.Visible(c.id)) continue;
    found = c.id;
    ++matches;
  }
  if (matches == 0) throw DriverError("「" + form.layout().caption + "」に「" + control.text + "」はありません");
  if (matches > 1) throw DriverError("「" + control.text + "」が複数あります。ID で指定してください");
  return found;
}

int Driver::Usable(const ControlName& control) const {
  int id = Find(control);
  const Form& form = dialog_.form();
  if (!form.Visible(id)) throw DriverError("「" + control.text + "」は表示されていません");
  if (!form.Enabled(id)) throw DriverError("「" + control.text + "」は使用できません");
  return id;
}

void Driver::Type(const ControlName& control, const std::string& text) {
  int id = Usable(control);
  Kind kind = form().control(id).kind;
  if (kind != Kind::Edit && kind != Kind::Combo) throw DriverError("「" + control.text + "」には入力できません");
  if (form().control(id).flags & kReadOnly) throw DriverError("「" + control.text + "」は読み取り専用です");
  input().Focus(id);
  input().Type(id, text);
}

void Driver::Click(const ControlName& control) {
  int id = Usable(control);
  Kind kind = form().control(id).kind;
  if (kind != Kind::Button && kind != Kind::Check && kind != Kind::Radio)
    throw DriverError("「" + control.text + "」はボタンではありません");
  input().Click(id);
}

void Driver::Select(const ControlName& control, const std::string& item) {
  int id = Usable(control);
  int index = form().FindItem(id, item);
  if (index < 0) throw DriverError("「" + control.text + "」に項目「" + item + "」はありません");
  input().Focus(id);
  input().Select(id, index);
}

void Driver::SelectIndex(const ControlName& control, int index) {
  int id = Usable(control);
  if (index < 0 || index >= static_cast<int>(form().Items(id).size()))
    throw DriverError("「" + control.text + "」に " + std::to_string(index) + " 番目の項目はありません");
  input().Focus(id);
  input().Select(id, index);
}

void Driver::Focus(const ControlName& control) { input().Focus(Usable(control)); }

void Driver::DoubleClick(const ControlName& control) {
  int id = Usable(control);
  input().Focus(id);
  input().DoubleClick(id);
}

void Driver::Mouse(int x, int y) { input().Mouse(x, y); }
void Driver::Enter() { input().Enter(); }
void Driver::Close() { input().Close(); }

std::string Driver::Text(const ControlName& control) const { return input().Text(Find(control)); }
std::string Driver::Cell(const ControlName& control, int row, int col) const {
  int id = Find(control);
  if (dialog_.form().control(id).kind != Kind::Grid) throw DriverError("「" + control.text + "」は表ではありません");
  std::optional<std::string> cell = input().Cell(id, row, col);
  if (!cell)
    throw DriverError("「" + control.text + "」にセル " + std::to_string(row) + "," + std::to_string(col) + " はありません");
  return *cell;
}

bool Driver::Checked(const ControlName& control) const { return input().Checked(Find(control)); }

}  // namespace ui
