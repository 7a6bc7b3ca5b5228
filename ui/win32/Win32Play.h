// Plays a script on the real Win32 dialogs: every action reaches the
// controls as the system delivers a user's input (button clicks, text typed
// over the field's, mouse clicks in lists and on the dialog, Enter and Esc),
// every message box and file dialog is shown and answered as the script
// says, and the expectations read what the controls show.
#pragma once

#include "ui/headless/PlayScript.h"
#include "ui/win32/Win32Dialog.h"
#include "ui/win32/Win32Services.h"

namespace ui::win32 {

class Win32Input : public UserInput {
 public:
  explicit Win32Input(Win32Dialog& window) : window_(window) {}
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

  // Delivers what waits for the thread (the input posted, paints), then
  // throws what the handlers threw meanwhile.
  void Settle();

 private:
  // The control's window, which must show and take input as the form says.
  HWND Usable(int id) const;
  void Key(UINT key);
  // Presses and releases the left button at a point of the window's client area.
  void ClickAt(HWND window, POINT at, bool twice = false);

  Win32Dialog& window_;
};

class Win32PlayServices : public Win32Services {
 public:
  explicit Win32PlayServices(Player& player) : player_(player) {}
  // No script reaches a printer: the print dialog is cancelled, the preview
  // closed once shown.
  bool Print(const PrintDocument& document) override;
  void PreviewPrint(const PrintDocument& document) override;

 protected:
  void Exec(Win32Dialog& window, DialogHandler& dialog) override;
  int Box(const std::wstring& text, const std::wstring& title, UINT type) override;
  bool FileDialog(OPENFILENAMEW& request, bool save) override;

 private:
  Player& player_;
};

}  // namespace ui::win32
