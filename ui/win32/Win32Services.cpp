#include "ui/win32/Win32Services.h"

#include <shellapi.h>

#include <vector>

#include "ui/Drive.h"
#include "ui/win32/Printing.h"
#include "ui/win32/Wide.h"
#include "ui/win32/Win32Dialog.h"

namespace ui::win32 {

namespace {

// The dialogs open one inside the other; the innermost owns what shows next.
std::vector<HWND> openWindows;
int waitCursor = 0;

}  // namespace

bool WaitCursorShown() { return waitCursor > 0; }

HWND Win32Services::Front() { return openWindows.empty() ? nullptr : openWindows.back(); }

Answer Win32Services::Message(const std::string& text, const std::string& title, Buttons buttons) {
  int chosen = Box(Wide(text), Wide(title), buttons == Buttons::OkCancel ? MB_OKCANCEL : MB_OK);
  return buttons == Buttons::Ok || chosen == IDOK ? Answer::Ok : Answer::Cancel;
}

int Win32Services::Box(const std::wstring& text, const std::wstring& title, UINT type) {
  return MessageBoxW(Front(), text.c_str(), title.c_str(), type);
}

std::optional<std::filesystem::path> Win32Services::ChooseFile(const FileRequest& request) {
  // "*.sdt" shows as the filter's name and is its pattern.
  std::wstring pattern = Wide(request.filter);
  std::wstring filter = pattern + L'\0' + pattern + L'\0' + L'\0';
  std::vector<wchar_t> name(32768, L'\0');
  Wide(request.fileName).copy(name.data(), name.size() - 1);
  std::wstring folder = request.folder.wstring();
  std::wstring extension = Wide(request.defaultExtension);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Front();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                 (request.save ? (request.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0) : OFN_FILEMUSTEXIST);
  if (!FileDialog(dialog, request.save)) return std::nullopt;
  return std::filesystem::path(std::wstring(name.data()));
}

bool Win32Services::FileDialog(OPENFILENAMEW& request, bool save) {
  return save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
}

int Win32Services::PrintLineHeight(const std::string& face, int height) { return LineHeight(face, height); }

bool Win32Services::Print(const PrintDocument& document) { return PrintWithDialog(Front(), document); }

void Win32Services::PreviewPrint(const PrintDocument& document) { ShowPreview(Front(), document); }

void Win32Services::SavePdf(const PrintDocument& document, const std::filesystem::path& file) {
  // The printer writes only to a work file of its own; the user's file is
  // then written from its bytes as every file of the program is, whole or
  // not at all, and never over a file the user protected.
  std::error_code ec;
  const std::filesystem::path work =
      std::filesystem::temp_directory_path(ec) / ("~tavrin" + std::to_string(GetCurrentProcessId()) + ".pdf");
  const bool printed = !ec && PrintToPdf(document, work);
  std::string bytes;
  if (printed) {
    try {
      bytes = ReadFileBytes(work);
    } catch (const FileError&) {
    }
  }
  std::filesystem::remove(work, ec);
  if (bytes.empty()) throw FileError(file, true);
  WriteFileAtomically(file, bytes);
}

std::optional<std::string> Win32Services::PdfUnavailable() {
  if (HasPdfPrinter()) return std::nullopt;
  return "「Microsoft Print to PDF」のプリンタが無いため、PDF に保存できません。";
}

void Win32Services::ShellOpen(const std::filesystem::path& document) {
  ShellExecuteW(Front(), L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Services::SetWaitCursor(bool on) {
  waitCursor += on ? 1 : -1;
  if (waitCursor < 0) waitCursor = 0;
  SetCursor(LoadCursorW(nullptr, waitCursor > 0 ? IDC_WAIT : IDC_ARROW));
}

int Win32Services::RunModal(DialogHandler& dialog) {
  Win32Dialog window(dialog, Front());
  openWindows.push_back(window.hwnd());
  struct Closed {
    ~Closed() { openWindows.pop_back(); }
  } closed;
  dialog.UserInit();
  if (!dialog.form().ended()) {
    window.Show();
    Exec(window, dialog);
  }
  return dialog.form().result();
}

void Win32Services::Exec(Win32Dialog& window, DialogHandler&) { window.RunLoop(); }

}  // namespace ui::win32
