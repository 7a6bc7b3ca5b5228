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

// A control as a user names it: by its id or by its caption.
struct ControlName {
  ControlName(int id) : text(std::to_string(id)) {}
  ControlName(std::string caption) : text(std::move(caption)) {}
  ControlName(const char* caption) : text(caption) {}
  std::string text;
};

class Driver {
 public:
  explicit Driver(DialogHandler& dialog) : dialog_(dialog) {}

  int Find(const ControlName& control) const;

  void Type(const ControlName& control, const std::string& text);
  void Click(const ControlName& control);
  void Select(const ControlName& control, const std::string& item);
  void SelectIndex(const ControlName& control, int index);
  void Focus(const ControlName& control);
  void DoubleClick(const ControlName& control);
  void Mouse(int x, int y);
  void Enter();
  void Close();

  std::string Text(const ControlName& control) const;
  // A cell of a grid, row 0 holding the headers.
  std::string Cell(const ControlName& control, int row, int col) const;
  bool Checked(const ControlName& control) const;

  DialogHandler& dialog() { return dialog_; }
  Form& form() { return dialog_.form(); }

 private:
  int Usable(const ControlName& control) const;

  DialogHandler& dialog_;
};

}  // namespace ui
