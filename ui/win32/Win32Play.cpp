#include "ui/win32/Win32Play.h"

#include <commctrl.h>
#include <dlgs.h>

#include <fstream>
#include <vector>

#include "ui/FrontEnd.h"
#include "ui/HostFiles.h"
#include "ui/win32/Printing.h"
#include "ui/win32/Wide.h"

namespace ui::win32 {

namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::string Id(int id) { return "ID " + std::to_string(id) + " のコントロール"; }

// The message box being shown, and what the script answers it.
struct PendingBox {
  Player* player;
  Answer answer;
  bool shown;
} pendingBox;

// The text of a message box: the longest of its static texts (the others
// are empty, or its icon).
BOOL CALLBACK LongestText(HWND child, LPARAM found) {
  wchar_t name[16] = L"";
  GetClassNameW(child, name, 16);
  std::wstring text = WindowText(child);
  auto* longest = reinterpret_cast<std::wstring*>(found);
  if (std::wstring(name) == WC_STATICW && text.size() > longest->size()) *longest = text;
  return TRUE;
}

// Reads the message box as it comes up and answers it with Enter (OK) or
// Esc (Cancel), as the user at the keyboard would.
LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && pendingBox.player && !pendingBox.shown) {
    HWND box = reinterpret_cast<HWND>(wParam);
    pendingBox.shown = true;
    std::wstring text;
    EnumChildWindows(box, LongestText, reinterpret_cast<LPARAM>(&text));
    pendingBox.player->Shown(Utf8(text), Utf8(WindowText(box)), pendingBox.answer);
    UINT key = pendingBox.answer == Answer::Ok ? VK_RETURN : VK_ESCAPE;
    PostMessageW(box, WM_KEYDOWN, key, 1);
    PostMessageW(box, WM_KEYUP, key, 0xC0000001);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The file the script chose for the file dialog being shown.
std::optional<std::filesystem::path> pendingFile;

// Types the file's name into the dialog as it comes up and presses its OK
// button; with no file, its Cancel button.
UINT_PTR CALLBACK AnswerFileDialog(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY || reinterpret_cast<OFNOTIFYW*>(lParam)->hdr.code != CDN_INITDONE) return 0;
  HWND dialog = GetParent(child);
  if (!pendingFile) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return 0;
  }
  std::wstring name = pendingFile->wstring();
  for (int field : {cmb13, edt1})
    SendMessageW(dialog, CDM_SETCONTROLTEXT, field, reinterpret_cast<LPARAM>(name.c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return 0;
}

UINT_PTR CALLBACK CancelPrintDialog(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return 0;
}

}  // namespace

void Win32Input::Settle() {
  MSG message;
  // Enough for any action's echo; a window that never stops asking to be
  // painted must not hang the script.
  for (int n = 0; n < 100000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++n) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    window_.Deliver(message);
  }
  RethrowHeld();
}

HWND Win32Input::Usable(int id) const {
  HWND w = window_.control(id);
  if (!w) throw DriverError(Id(id) + "は画面にありません");
  if (!IsWindowVisible(w)) throw DriverError(Id(id) + "は画面に表示されていません");
  if (!IsWindowEnabled(w)) throw DriverError(Id(id) + "は画面で使用できません");
  return w;
}

void Win32Input::ClickAt(HWND window, POINT at, bool twice) {
  LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
  if (twice) {
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageW(window, WM_LBUTTONUP, 0, where);
  }
  Settle();
}

void Win32Input::Focus(int id) {
  SetFocus(Usable(id));
  Settle();
}

void Win32Input::Type(int id, const std::string& text) {
  HWND w = Usable(id);
  if (window_.handler().form().control(id).kind == Kind::Combo) {
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    GetComboBoxInfo(w, &combo);
    w = combo.hwndItem;
  }
  // As when the user selects the field's text and types over it.
  SendMessageW(w, EM_SETSEL, 0, -1);
  SendMessageW(w, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  Settle();
}

void Win32Input::Click(int id) {
  SendMessageW(Usable(id), BM_CLICK, 0, 0);
  Settle();
}

void Win32Input::Select(int id, int index) {
  HWND w = Usable(id);
  if (window_.handler().form().control(id).kind == Kind::List) {
    // Scrolled into sight if need be, then clicked.
    RECT item, client;
    GetClientRect(w, &client);
    if (SendMessageW(w, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
      throw DriverError(Id(id) + "の " + std::to_string(index) + " 番目の項目は画面にありません");
    if (item.top < client.top || item.bottom > client.bottom) {
      SendMessageW(w, LB_SETTOPINDEX, index, 0);
      SendMessageW(w, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    }
    return ClickAt(w, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  }
  // A combo box's choice arrives as the box reports it when the user picks
  // an item from its list.
  SendMessageW(w, CB_SETCURSEL, index, 0);
  SendMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(w));
  Settle();
}

void Win32Input::DoubleClick(int id) {
  HWND w = Usable(id);
  RECT item{};
  SendMessageW(w, LB_GETITEMRECT, std::max<LRESULT>(0, SendMessageW(w, LB_GETCURSEL, 0, 0)),
               reinterpret_cast<LPARAM>(&item));
  ClickAt(w, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2}, true);
}

void Win32Input::Mouse(int x, int y) {
  HWND dialog = window_.hwnd();
  POINT at{static_cast<LONG>(x * window_.scale()), static_cast<LONG>(y * window_.scale())};
  ClientToScreen(dialog, &at);
  // The window a click at that point reaches, as the system finds it.
  HWND target = WindowFromPoint(at);
  if (target != dialog && !IsChild(dialog, target))
    throw DriverError("点 " + std::to_string(x) + "," + std::to_string(y) + " はダイアログの外か、ほかのウィンドウの下です");
  ScreenToClient(target, &at);
  ClickAt(target, at);
}

void Win32Input::Key(UINT key) {
  HWND dialog = window_.hwnd();
  HWND target = GetFocus();
  if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  Settle();
}

void Win32Input::Enter() { Key(VK_RETURN); }
void Win32Input::Close() { Key(VK_ESCAPE); }

std::string Win32Input::Text(int id) const {
  HWND w = window_.control(id);
  return w ? Utf8(WindowText(w)) : std::string();
}

bool Win32Input::Checked(int id) const {
  HWND w = window_.control(id);
  return w && SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::optional<std::string> Win32Input::Cell(int id, int row, int col) const {
  const GridView* grid = window_.grid(id);
  return grid ? grid->Cell(row, col) : std::nullopt;
}

// The window as it shows on the screen, frame and all, as a 24-bit BMP file.
void Win32Input::Snapshot(const std::filesystem::path& file) {
  Settle();
  RECT frame;
  GetWindowRect(window_.hwnd(), &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY | CAPTUREBLT);
  SelectObject(dc, old);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // rows from the bottom up, as BMP files keep them
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) / 4 * 4;
  std::vector<char> pixels(static_cast<size_t>(stride) * height);
  GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = static_cast<DWORD>(fileHeader.bfOffBits + pixels.size());
  std::string bytes(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(pixels.data(), pixels.size());
  WriteFileAtomically(file, bytes);
}

bool Win32PlayServices::Print(const PrintDocument& document) {
  return PrintWithDialog(Front(), document, CancelPrintDialog);
}

void Win32PlayServices::PreviewPrint(const PrintDocument& document) { ShowPreview(Front(), document, true); }

void Win32PlayServices::Exec(Win32Dialog& window, DialogHandler& dialog) {
  Win32Input input(window);
  input.Settle();
  player_.Drive(dialog, input);
  if (!dialog.form().ended()) input.Close();
  if (!dialog.form().ended()) dialog.form().End(kIdCancel);
}

int Win32PlayServices::Box(const std::wstring& text, const std::wstring& title, UINT type) {
  PendingBox outer = pendingBox;
  pendingBox = {&player_, player_.NextAnswer(type == MB_OKCANCEL ? Buttons::OkCancel : Buttons::Ok), false};
  HHOOK hook = SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId());
  int chosen = Win32Services::Box(text, title, type);
  UnhookWindowsHookEx(hook);
  pendingBox = outer;
  return chosen;
}

bool Win32PlayServices::FileDialog(OPENFILENAMEW& request, bool save) {
  pendingFile = player_.NextFile();
  request.Flags |= OFN_ENABLEHOOK;
  request.lpfnHook = AnswerFileDialog;
  return Win32Services::FileDialog(request, save);
}

}  // namespace ui::win32
