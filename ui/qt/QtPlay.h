// Plays a script on the real Qt dialogs: every action reaches the widgets as
// a user's input would (clicks, typed text, chosen items, keys), every
// message box and file dialog is shown and answered as the script says, and
// the expectations read what the widgets show.
#pragma once

#include "ui/headless/PlayScript.h"
#include "ui/qt/QtDialog.h"
#include "ui/qt/QtServices.h"

namespace ui::qt {

class QtInput : public UserInput {
 public:
  explicit QtInput(QtDialog& window) : window_(window) {}
  void Focus(int id) override;
  void Type(int id, const std::string& text) override;
  void Click(int id) override;
  void Select(int id, int index) override;
  void DoubleClick(int id) override;
  void Mouse(int x, int y) override;
  void Enter() override;
  void Close() override;
  std::string Text(int id) const override;
  bool Checked(int id) const override;
  std::optional<std::string> Cell(int id, int row, int col) const override;
  void Snapshot(const std::filesystem::path& file) override;

 private:
  // The widget, which must show and take input as the form model says.
  QWidget* Usable(int id) const;
  void Key(int key);

  QtDialog& window_;
};

class QtPlayServices : public QtServices {
 public:
  explicit QtPlayServices(Player& player) : player_(player) {}

 protected:
  int Exec(QtDialog& window, DialogHandler& dialog) override;
  void Exec(QMessageBox& box, Buttons buttons) override;
  bool Exec(QFileDialog& dialog) override;
  // No script reaches a printer: the print dialog is cancelled, the preview
  // closed once shown.
  int Exec(QDialog& dialog) override;

 private:
  Player& player_;
};

}  // namespace ui::qt
