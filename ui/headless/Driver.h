// Operates a dialog as a user would: a control is named by its id ("1003")
// or by its caption, and it must be visible and enabled to be used. Typing
// focuses the control first, as a click into it would. Used by the tests and
// by the play scripts.
#pragma once

#include <filesystem>
#include <optional>
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

// The road of a user's action into a dialog, and what its controls show.
// FormInput hands the actions straight to the dialog's handler and reads the
// form model; each front end sends them to its real controls, as the system
// delivers a user's input, and reads what those controls show, so that a
// script run through it proves the binding as well.
class UserInput {
 public:
  virtual ~UserInput() = default;
  virtual void Focus(int id) = 0;
  // Replaces the text of the focused edit box (or a combo box's edit part).
  virtual void Type(int id, const std::string& text) = 0;
  virtual void Click(int id) = 0;
  virtual void Select(int id, int index) = 0;
  virtual void DoubleClick(int id) = 0;
  virtual void Mouse(int x, int y) = 0;  // dialog pixels
  virtual void Enter() = 0;
  virtual void Close() = 0;
  virtual std::string Text(int id) const = 0;
  virtual bool Checked(int id) const = 0;
  // The cell's text, or nothing when the grid has no such cell.
  virtual std::optional<std::string> Cell(int id, int row, int col) const = 0;
  // A picture of the dialog as it shows now; nothing to take without a display.
  virtual void Snapshot(const std::filesystem::path& file) {}
};

class FormInput : public UserInput {
 public:
  explicit FormInput(DialogHandler& dialog) : dialog_(dialog) {}
  void Focus(int id) override { dialog_.UserFocus(id); }
  void Type(int id, const std::string& text) override { dialog_.UserEdit(id, text); }
  void Click(int id) override { dialog_.UserClick(id); }
  void Select(int id, int index) override { dialog_.UserSelect(id, index); }
  void DoubleClick(int id) override { dialog_.UserDoubleClick(id); }
  void Mouse(int x, int y) override { dialog_.UserMouseClick(x, y); }
  void Enter() override { dialog_.UserEnter(); }
  void Close() override { dialog_.UserClose(); }
  std::string Text(int id) const override { return dialog_.form().Text(id); }
  bool Checked(int id) const override { return dialog_.form().Checked(id); }
  std::optional<std::string> Cell(int id, int row, int col) const override;

 private:
  DialogHandler& dialog_;
};

class Driver {
 public:
  // Through the form model.
  explicit Driver(DialogHandler& dialog) : dialog_(dialog), formInput_(dialog) {}
  // Through the input, for example a front end's real controls.
  Driver(DialogHandler& dialog, UserInput& input) : dialog_(dialog), formInput_(dialog), input_(&input) {}

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
  UserInput& input() const { return input_ ? *input_ : formInput_; }

  DialogHandler& dialog_;
  mutable FormInput formInput_;
  UserInput* input_ = nullptr;
};

}  // namespace ui
