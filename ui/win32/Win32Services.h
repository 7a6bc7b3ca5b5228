// The platform services on Win32: message boxes, the common file and print
// dialogs, printing and the print preview through GDI, PDF files through the
// "Microsoft Print to PDF" printer, the shell, the wait cursor and modal
// dialogs.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "ui/Services.h"

namespace ui::win32 {

class Win32Dialog;

class Win32Services : public Services {
 public:
  Answer Message(const std::string& text, const std::string& title, Buttons buttons) override;
  std::optional<std::filesystem::path> ChooseFile(const FileRequest& request) override;
  int PrintLineHeight(const std::string& face, int height) override;
  bool Print(const PrintDocument& document) override;
  void PreviewPrint(const PrintDocument& document) override;
  void SavePdf(const PrintDocument& document, const std::filesystem::path& file) override;
  std::optional<std::string> PdfUnavailable() override;
  void ShellOpen(const std::filesystem::path& document) override;
  void SetWaitCursor(bool on) override;
  int RunModal(DialogHandler& dialog) override;

 protected:
  // The window in front: the owner of whatever shows next.
  static HWND Front();
  // Run the shown windows until the user ends them; the play services answer
  // them from the script instead.
  virtual void Exec(Win32Dialog& window, DialogHandler& dialog);
  virtual int Box(const std::wstring& text, const std::wstring& title, UINT type);
  virtual bool FileDialog(OPENFILENAMEW& request, bool save);
};

// Whether the wait cursor is on, for the windows to show it.
bool WaitCursorShown();

}  // namespace ui::win32
