#include "ui/win32/Printing.h"

#include <commctrl.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>

#include <map>
#include <stdexcept>
#include <vector>

#include "ui/win32/GdiCanvas.h"
#include "ui/win32/Wide.h"
#include "ui/win32/Win32Dialog.h"

namespace ui::win32 {

namespace {

const wchar_t* const kPdfPrinter = L"Microsoft Print to PDF";
constexpr int kPaperWidth = 21000, kPaperHeight = 29700;  // A4 in 0.01 mm

HFONT CreatePrintFont(const std::string& face, int height) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, InstalledFace(face).c_str());
}

// Draws the page on a device context mapped to 0.01 mm from the paper's
// top-left corner, y upwards.
void DrawPage(HDC dc, const PrintDocument& document, const PrintPage& page) {
  HFONT font = CreatePrintFont(document.fontFace, document.fontHeight);
  HGDIOBJ oldFont = SelectObject(dc, font);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  std::map<int, HPEN> pens;
  auto pen = [&](int width) {
    HPEN& made = pens[width];
    if (!made) made = CreatePen(PS_SOLID, width, RGB(0, 0, 0));
    return made;
  };
  for (const PrintItem& item : page.items) {
    if (auto* line = std::get_if<PrintLine>(&item)) {
      SelectObject(dc, pen(line->penWidth));
      MoveToEx(dc, line->x1, line->y1, nullptr);
      LineTo(dc, line->x2, line->y2);
    } else if (auto* frame = std::get_if<PrintFrame>(&item)) {
      SelectObject(dc, pen(frame->penWidth));
      Rectangle(dc, frame->left, frame->top, frame->right, frame->bottom);
    } else if (auto* text = std::get_if<PrintText>(&item)) {
      std::wstring wide = Wide(text->text);
      TextOutW(dc, text->x, text->y, wide.c_str(), static_cast<int>(wide.size()));
    }
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldFont);
  for (const auto& [width, made] : pens) DeleteObject(made);
  DeleteObject(font);
}

// The printer's own settings, changed to A4 upright.
HGLOBAL PrinterSettingsA4(const std::wstring& printer) {
  HANDLE handle = nullptr;
  if (!OpenPrinterW(const_cast<wchar_t*>(printer.c_str()), &handle, nullptr)) return nullptr;
  HGLOBAL memory = nullptr;
  wchar_t* name = const_cast<wchar_t*>(printer.c_str());
  LONG size = DocumentPropertiesW(nullptr, handle, name, nullptr, nullptr, 0);
  if (size > 0 && (memory = GlobalAlloc(GHND, size))) {
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(memory));
    DocumentPropertiesW(nullptr, handle, name, mode, nullptr, DM_OUT_BUFFER);
    mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
    mode->dmPaperSize = DMPAPER_A4;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    DocumentPropertiesW(nullptr, handle, name, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
    GlobalUnlock(memory);
  }
  ClosePrinter(handle);
  return memory;
}

// Printer settings asking for A4 upright, for the print dialog to start from.
HGLOBAL A4Settings() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return nullptr;
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return nullptr;
  name.resize(size > 0 ? size - 1 : 0);
  return PrinterSettingsA4(name);
}

// Prints the pages on the printer's device context, into the file when one
// is given; throws when the printer refuses.
void PrintPages(HDC printer, const PrintDocument& document, const wchar_t* file) {
  if (document.pages.empty()) return;
  std::wstring name = Wide(document.name);
  DOCINFOW info{};
  info.cbSize = sizeof info;
  info.lpszDocName = name.c_str();
  info.lpszOutput = file;
  if (StartDocW(printer, &info) <= 0) throw std::runtime_error("印刷を始められません。");
  for (const PrintPage& page : document.pages) {
    if (StartPage(printer) <= 0) {
      AbortDoc(printer);
      throw std::runtime_error("印刷できませんでした。");
    }
    // 0.01 mm from the paper's corner, y upwards: exactly, from the
    // device's dots per inch (the stock 0.01 mm mapping goes through the
    // page's size in whole millimetres), and from the corner of the paper
    // rather than of the printable area, where the device's origin lies.
    SetMapMode(printer, MM_ANISOTROPIC);
    SetWindowExtEx(printer, 2540, 2540, nullptr);
    SetViewportExtEx(printer, GetDeviceCaps(printer, LOGPIXELSX), -GetDeviceCaps(printer, LOGPIXELSY), nullptr);
    SetViewportOrgEx(printer, -GetDeviceCaps(printer, PHYSICALOFFSETX), -GetDeviceCaps(printer, PHYSICALOFFSETY),
                     nullptr);
    DrawPage(printer, document, page);
    if (EndPage(printer) <= 0) {
      AbortDoc(printer);
      throw std::runtime_error("印刷できませんでした。");
    }
  }
  if (EndDoc(printer) <= 0) throw std::runtime_error("印刷できませんでした。");
}

// The pages as they will print, one at a time, scaled to the window.
class Preview {
 public:
  Preview(HWND owner, const PrintDocument& document);
  ~Preview();
  void Run(bool closeWhenShown);

 private:
  enum { kPrint = 101, kPrevious, kNext, kClose };
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Button(int id, const wchar_t* caption, int x, int width);
  void Turn(int by);
  void Paint(HDC dc);

  HWND owner_;
  const PrintDocument& document_;
  HWND hwnd_ = nullptr, label_ = nullptr, previous_ = nullptr, next_ = nullptr;
  HFONT font_ = nullptr;
  double scale_ = 1;
  int page_ = 0;
  bool open_ = true;
  static constexpr int kBar = 36;  // the buttons' strip, in dialog pixels
};

Preview::Preview(HWND owner, const PrintDocument& document) : owner_(owner), document_(document) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"TavrinPreview";
    RegisterClassExW(&windowClass);
    registered = true;
  }
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  int height = (area.bottom - area.top) * 9 / 10;
  int width = (height - 2 * kBar) * kPaperWidth / kPaperHeight + 2 * kBar;
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"TavrinPreview", L"印刷プレビュー",
                          WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, area.left + (area.right - area.left - width) / 2,
                          area.top + (area.bottom - area.top - height) / 2, width, height, owner, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("印刷プレビューのウィンドウを作れません。");
  scale_ = GetDpiForWindow(hwnd_) / 96.0;
  Layout standard;
  font_ = CreateDialogFont(standard, scale_);
  Button(kPrint, L"印刷...", 8, 80);
  previous_ = Button(kPrevious, L"< 前のページ", 96, 90);
  next_ = Button(kNext, L"次のページ >", 192, 90);
  label_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                           static_cast<int>(290 * scale_), static_cast<int>(6 * scale_), static_cast<int>(110 * scale_),
                           static_cast<int>(24 * scale_), hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  Button(kClose, L"閉じる", 408, 80);
  Turn(0);
}

Preview::~Preview() {
  if (owner_) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
  DeleteObject(font_);
}

HWND Preview::Button(int id, const wchar_t* caption, int x, int width) {
  HWND button = CreateWindowExW(
      0, WC_BUTTONW, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, static_cast<int>(x * scale_),
      static_cast<int>(6 * scale_), static_cast<int>(width * scale_), static_cast<int>(24 * scale_), hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return button;
}

void Preview::Turn(int by) {
  int pages = static_cast<int>(document_.pages.size());
  page_ = std::clamp(page_ + by, 0, std::max(0, pages - 1));
  std::wstring text = pages == 0 ? L"ページなし"
                                 : std::to_wstring(page_ + 1) + L" / " + std::to_wstring(pages) + L" ページ";
  SetWindowTextW(label_, text.c_str());
  EnableWindow(previous_, page_ > 0);
  EnableWindow(next_, page_ + 1 < pages);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Preview::Run(bool closeWhenShown) {
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  if (closeWhenShown) PostMessageW(hwnd_, WM_KEYDOWN, VK_ESCAPE, 1);
  MSG message;
  while (open_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd))) {
      switch (message.wParam) {
        case VK_ESCAPE: open_ = false; continue;
        case VK_PRIOR:
        case VK_LEFT: Turn(-1); continue;
        case VK_NEXT:
        case VK_RIGHT: Turn(1); continue;
      }
    }
    if (!IsDialogMessageW(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
}

LRESULT CALLBACK Preview::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* preview = reinterpret_cast<Preview*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return preview && preview->hwnd_ ? preview->Handle(message, wParam, lParam)
                                   : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Preview::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kPrint: PrintWithDialog(hwnd_, document_); return 0;
        case kPrevious: Turn(-1); return 0;
        case kNext: Turn(1); return 0;
        case kClose: open_ = false; return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      Turn(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1);
      return 0;
    case WM_CLOSE:
      open_ = false;
      return 0;
    case WM_SIZE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      Paint(dc);
      EndPaint(hwnd_, &paint);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Preview::Paint(HDC target) {
  PaintOffScreen(hwnd_, target, [&](HDC dc, const RECT& client) {
    int bar = static_cast<int>(kBar * scale_), margin = static_cast<int>(16 * scale_);
    RECT area{margin, bar + margin / 2, client.right - margin, client.bottom - margin};
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    RECT back{0, bar, client.right, client.bottom};
    FillRect(dc, &back, grey);
    DeleteObject(grey);
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width * kPaperHeight > height * kPaperWidth) width = height * kPaperWidth / kPaperHeight;
    else height = width * kPaperHeight / kPaperWidth;
    RECT paper{(client.right - width) / 2, area.top, (client.right + width) / 2, area.top + height};
    FillRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (page_ >= static_cast<int>(document_.pages.size()) || width <= 0 || height <= 0) return;
    int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kPaperWidth, kPaperHeight, nullptr);
    SetViewportExtEx(dc, width, -height, nullptr);
    SetViewportOrgEx(dc, paper.left, paper.top, nullptr);
    DrawPage(dc, document_, document_.pages[page_]);
    RestoreDC(dc, saved);
  });
}

}  // namespace

int LineHeight(const std::string& face, int height) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreatePrintFont(face, height);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

bool PrintWithDialog(HWND owner, const PrintDocument& document, LPPRINTHOOKPROC hook) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = A4Settings();
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE |
                 (hook ? PD_ENABLEPRINTHOOK : 0);
  dialog.lpfnPrintHook = hook;
  bool chosen = PrintDlgW(&dialog);
  struct Release {
    PRINTDLGW& dialog;
    ~Release() {
      if (dialog.hDC) DeleteDC(dialog.hDC);
      if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
      if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    }
  } release{dialog};
  if (chosen) PrintPages(dialog.hDC, document, nullptr);
  return chosen;
}

bool HasPdfPrinter() {
  DWORD needed = 0, count = 0;
  const DWORD where = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  EnumPrintersW(where, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersW(where, nullptr, 4, buffer.data(), needed, &needed, &count)) return false;
  auto* printers = reinterpret_cast<PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (printers[i].pPrinterName && std::wstring(printers[i].pPrinterName) == kPdfPrinter) return true;
  return false;
}

bool PrintToPdf(const PrintDocument& document, const std::filesystem::path& file) {
  HGLOBAL settings = PrinterSettingsA4(kPdfPrinter);
  auto* mode = settings ? static_cast<DEVMODEW*>(GlobalLock(settings)) : nullptr;
  HDC dc = CreateDCW(L"WINSPOOL", kPdfPrinter, nullptr, mode);
  if (settings) {
    GlobalUnlock(settings);
    GlobalFree(settings);
  }
  if (!dc) return false;
  bool printed = true;
  try {
    PrintPages(dc, document, file.c_str());
  } catch (const std::exception&) {
    printed = false;
  }
  DeleteDC(dc);
  return printed;
}

void ShowPreview(HWND owner, const PrintDocument& document, bool closeWhenShown) {
  Preview preview(owner, document);
  preview.Run(closeWhenShown);
}

}  // namespace ui::win32
