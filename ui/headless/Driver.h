// Operates a dialog as a user would, through the form model: a control is
// named by its id ("1003") or by its caption, and it must be visible and
// enabled to be used. Typing focuses the control first, as a click into it
// would. Used by the tests and by the play scripts.
#pragma once

#include <stdexcept>
#include <string>

#include "ui/Dialog.h"

namespace ui {

// An action the dialog does not allow: no such control, hidden, disabled...
class DriverError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Driver {
 public:
  explicit Driver(DialogHandler& dialog) : dialog_(dialog) {}

  int Find(const std::string& control) const;

  void Type(const std::string& control, const std::string& text);
  void Click(const std::string& control);
  void Select(const std::string& control, const std::string& item);
  void SelectIndex(const std::string& control, int index);
  void Focus(const std::string& control);
  void DoubleClick(const std::string& control);
  void Mouse(int x, int y);
  void Enter();
  void Close();

  std::string Text(const std::string& control) const;
  // A cell of a grid, row 0 holding the headers.
  std::string Cell(const std::string& control, int row, int col) const;
  bool Checked(const std::string& control) const;

  DialogHandler& dialog() { return dialog_; }
  Form& form() { return dialog_.form(); }

 private:
  int Usable(const std::string& control) const;

  DialogHandler& dialog_;
};

}  // namespace ui
