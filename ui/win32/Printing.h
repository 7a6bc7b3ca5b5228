// Printed documents through GDI: pages drawn in the 0.01 mm mapping on a
// printer, on the "Microsoft Print to PDF" printer into a file, or scaled
// into the print preview window.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <filesystem>
#include <string>

#include "ui/Services.h"

namespace ui::win32 {

// Character height plus external leading of the font at that height.
int LineHeight(const std::string& face, int height);

// Shows the print dialog (A4 upright on the default printer to start with)
// and prints the pages on the printer chosen; false when the user cancels.
// Throws when the printer refuses. The hook, if any, sees the dialog's
// messages.
bool PrintWithDialog(HWND owner, const PrintDocument& document, LPPRINTHOOKPROC hook = nullptr);

bool HasPdfPrinter();
// The pages as a PDF file through that printer; false when it failed.
bool PrintToPdf(const PrintDocument& document, const std::filesystem::path& file);

// The pages as they will print, in a window of their own over the owner,
// with a button that prints them; closed at once when shown, if asked.
void ShowPreview(HWND owner, const PrintDocument& document, bool closeWhenShown = false);

}  // namespace ui::win32
