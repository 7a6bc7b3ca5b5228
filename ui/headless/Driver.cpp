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

int Driver::Find(const std::string& control) const {
  const Form& form = dialog_.form();
  if (IsNumber(control)) {
    int id = ToInt(control);
    if (!form.Has(id)) throw DriverError("「" + form.layout().caption + "」に ID " + control + " のコントロールはありません");
    return id;
  }
  int found = kNoId;
  int matches = 0;
  for (const Control& c : form.layout().controls) {
    if (c.id == kNoId || form.Text(c.id) != control) continue;
    if (!form.Visible(c.id)) continue;
    found = c.id;
    ++matches;
  }
  if (matches == 0) throw DriverError("「" + form.layout().caption + "」に「" + control + "」はありません");
  if (matches > 1) throw DriverError("「" + control + "」が複数あります。ID で指定してください");
  return found;
}

int Driver::Usable(const std::string& control) const {
  int id = Find(control);
  const Form& form = dialog_.form();
  if (!form.Visible(id)) throw DriverError("「" + control + "」は表示されていません");
  if (!form.Enabled(id)) throw DriverError("「" + control + "」は使用できません");
  return id;
}

void Driver::Type(const std::string& control, const std::string& text) {
  int id = Usable(control);
  Kind kind = form().control(id).kind;
  if (kind != Kind::Edit && kind != Kind::Combo) throw DriverError("「" + control + "」には入力できません");
  if (form().control(id).flags & kReadOnly) throw DriverError("「" + control + "」は読み取り専用です");
  dialog_.UserFocus(id);
  dialog_.UserEdit(id, text);
}

void Driver::Click(const std::string& control) {
  int id = Usable(control);
  Kind kind = form().control(id).kind;
  if (kind != Kind::Button && kind != Kind::Check && kind != Kind::Radio)
    throw DriverError("「" + control + "」はボタンではありません");
  dialog_.UserClick(id);
}

void Driver::Select(const std::string& control, const std::string& item) {
  int id = Usable(control);
  int index = form().FindItem(id, item);
  if (index < 0) throw DriverError("「" + control + "」に項目「" + item + "」はありません");
  dialog_.UserFocus(id);
  dialog_.UserSelect(id, index);
}

void Driver::SelectIndex(const std::string& control, int index) {
  int id = Usable(control);
  if (index < 0 || index >= static_cast<int>(form().Items(id).size()))
    throw DriverError("「" + control + "」に " + std::to_string(index) + " 番目の項目はありません");
  dialog_.UserFocus(id);
  dialog_.UserSelect(id, index);
}

void Driver::Focus(const std::string& control) { dialog_.UserFocus(Usable(control)); }

void Driver::DoubleClick(const std::string& control) {
  int id = Usable(control);
  dialog_.UserFocus(id);
  dialog_.UserDoubleClick(id);
}

void Driver::Mouse(int x, int y) { dialog_.UserMouseClick(x, y); }
void Driver::Enter() { dialog_.UserEnter(); }
void Driver::Close() { dialog_.UserClose(); }

std::string Driver::Text(const std::string& control) const { return dialog_.form().Text(Find(control)); }
std::string Driver::Cell(const std::string& control, int row, int col) const {
  int id = Find(control);
  if (dialog_.form().control(id).kind != Kind::Grid) throw DriverError("「" + control + "」は表ではありません");
  const Grid& grid = dialog_.form().GridOf(id);
  if (row < 0 || col < 0 || row >= grid.rows || row >= static_cast<int>(grid.cells.size()) ||
      col >= static_cast<int>(grid.cells[row].size()))
    throw DriverError("「" + control + "」にセル " + std::to_string(row) + "," + std::to_string(col) + " はありません");
  return grid.cells[row][col];
}

bool Driver::Checked(const std::string& control) const { return dialog_.form().Checked(Find(control)); }

}  // namespace ui
