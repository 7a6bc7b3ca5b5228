// A real Win32 dialog built from a layout: a window with the system's
// controls at the layout's places, mirroring the form model and passing
// every user action to the dialog's handler. Controls are placed in dialog
// pixels (the same units as the Qt front end's, so that sketches, previews
// and click grids line up) times the window's DPI over 96.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/win32/GridView.h"

namespace ui::win32 {

// The dialog font: the layout's face where it is installed, else the IPA
// font standing in for it, at the layout's size for the DPI.
HFONT CreateDialogFont(const Layout& layout, double scale, int smaller = 0);
// The face itself where it is installed, else its stand-in.
std::wstring InstalledFace(const std::string& face);

class Win32Dialog : public FormView {
 public:
  Win32Dialog(DialogHandler& handler, HWND owner);
  ~Win32Dialog() override;

  HWND hwnd() const { return hwnd_; }
  DialogHandler& handler() const { return handler_; }
  // The control's window; nullptr for a frame, which the dialog paints itself.
  HWND control(int id) const;
  const GridView* grid(int id) const;
  double scale() const { return scale_; }

  // Shows the window over its owner, which stays disabled while it is open.
  void Show();
  // Delivers one message of the thread as a dialog gets it: Enter and Esc go
  // to the handler, Tab and the arrow keys move the focus.
  void Deliver(MSG& message);
  // Delivers messages until the dialog ends.
  void RunLoop();

  void ControlChanged(int id, Aspect aspect) override;
  void RepaintRequested() override;
  void Ended(int result) override {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(int id, int code, HWND from);
  HWND Create(const Control& control, bool continuesGroup);
  void SetFont(HWND window, const Control& c);
  // The dialog's font, or a smaller size of it that fits the button's caption.
  HFONT CaptionFont(HWND button);
  void DeleteSmallerFonts();
  // Places the window and every control for the DPI, with the font for it.
  void Place();
  void Sync(int id, Aspect aspect);
  void SetIconImage(int id);
  void Paint(HDC dc);
  // Calls the handler, keeping what it throws.
  void Call(const std::function<void()>& action);
  RECT DeviceRect(Rect dialogPixels) const;

  DialogHandler& handler_;
  Form& form_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  double scale_ = 1;
  HFONT font_ = nullptr;
  std::map<int, HFONT> smallerFonts_;  // by pixels less than font_
  std::map<int, HWND> controls_;
  std::vector<std::pair<const Control*, HWND>> windows_;  // every control's window, in layout order
  std::vector<HWND> groups_;
  std::map<int, std::unique_ptr<GridView>> grids_;
  std::map<int, HBITMAP> icons_;
  std::map<int, HBRUSH> brushes_;  // coloured labels
  bool syncing_ = false;
};

}  // namespace ui::win32
