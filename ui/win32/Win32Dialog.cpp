#include "ui/win32/Win32Dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "ui/FrontEnd.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/Win32Services.h"
#include "ui/win32/Wide.h"

namespace ui::win32 {

namespace {

const wchar_t* const kClass = L"TavrinDialog";
constexpr int kAppIcon = 128;
// The room a combo box's list drops into, at least.
constexpr int kComboDropHeight = 200;

void RegisterDialogClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;  // replaced once the window knows its dialog
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClass;
  RegisterClassExW(&windowClass);
  registered = true;
}

std::wstring WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

// The combo box a window belongs to (its edit part), or nullptr.
HWND ComboOf(HWND window) {
  if (ClassOf(window) == WC_COMBOBOXW) return window;
  HWND parent = GetParent(window);
  return parent && ClassOf(parent) == WC_COMBOBOXW ? parent : nullptr;
}

bool DroppedDown(HWND window) {
  HWND combo = ComboOf(window);
  return combo && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
}

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool IsPushButton(const Control& c) {
  return c.kind == Kind::Button || ((c.kind == Kind::Check || c.kind == Kind::Radio) && (c.flags & kPushLike));
}

}  // namespace

std::wstring InstalledFace(const std::string& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wstring name = Wide(face);
  name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found ? name : Wide(StandInFont(face));
}

HFONT CreateDialogFont(const Layout& layout, double scale, int smaller) {
  // The layouts are drawn for the point size at 96 dots per inch.
  int pixels = static_cast<int>(layout.pointSize * 4 / 3.0 * scale + 0.5) - smaller;
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     InstalledFace(layout.font).c_str());
}

Win32Dialog::Win32Dialog(DialogHandler& handler, HWND owner)
    : handler_(handler), form_(handler.form()), owner_(owner) {
  RegisterDialogClass();
  const Layout& layout = form_.layout();
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (owner ? 0 : WS_MINIMIZEBOX);
  DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (owner ? 0 : WS_EX_APPWINDOW);
  hwnd_ = CreateWindowExW(exStyle, kClass, Wide(layout.caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 100,
                          100, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw std::runtime_error("「" + layout.caption + "」のウィンドウを作れません。");
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  scale_ = GetDpiForWindow(hwnd_) / 96.0;
  font_ = CreateDialogFont(layout, scale_);
  const Control* before = nullptr;
  for (const Control& control : layout.controls) {
    // Each control starts a group for the arrow keys, but a radio button goes
    // on the group of the one before it.
    bool continuesGroup = control.kind == Kind::Radio && before && before->kind == Kind::Radio &&
                          before->group == control.group;
    before = &control;
    if (control.kind == Kind::Frame) continue;  // painted by the dialog
    HWND window = Create(control, continuesGroup);
    windows_.push_back({&control, window});
    if (control.id != kNoId) controls_[control.id] = window;
    if (control.kind == Kind::Group) groups_.push_back(window);
  }
  // Group boxes lie under the controls they frame.
  for (HWND group : groups_) SetWindowPos(group, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Place();
  if (!owner) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto icon = [&](int metric) {
      return reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIcon), IMAGE_ICON,
                                                 GetSystemMetrics(metric), GetSystemMetrics(metric), 0));
    };
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, icon(SM_CXICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
  }
  for (const auto& [id, window] : controls_)
    for (Aspect aspect : {Aspect::Items, Aspect::Text, Aspect::Check, Aspect::Selection, Aspect::Enabled,
                          Aspect::Visible, Aspect::Colours, Aspect::Icon, Aspect::Progress, Aspect::Grid})
      Sync(id, aspect);
  form_.SetView(this);
}

Win32Dialog::~Win32Dialog() {
  form_.SetView(nullptr);
  // The owner takes over before this window goes, so that it comes to the front.
  if (owner_ && !IsWindowEnabled(owner_)) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
  DeleteSmallerFonts();
  for (const auto& [id, bitmap] : icons_) DeleteObject(bitmap);
  for (const auto& [id, brush] : brushes_) DeleteObject(brush);
}

HWND Win32Dialog::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

const GridView* Win32Dialog::grid(int id) const {
  auto it = grids_.find(id);
  return it == grids_.end() ? nullptr : it->second.get();
}

RECT Win32Dialog::DeviceRect(Rect r) const {
  auto device = [&](int v) { return static_cast<int>(v * scale_ + 0.5); };
  return RECT{device(r.x), device(r.y), device(r.right()), device(r.bottom())};
}

HWND Win32Dialog::Create(const Control& c, bool continuesGroup) {
  const wchar_t* windowClass = WC_STATICW;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ((c.flags & kHidden) ? 0 : WS_VISIBLE) |
                ((c.flags & kDisabled) ? WS_DISABLED : 0);
  DWORD exStyle = 0;
  if (!continuesGroup) style |= WS_GROUP;
  DWORD pushLike = (c.flags & kPushLike) ? BS_PUSHLIKE : 0;
  switch (c.kind) {
    case Kind::Button:
      windowClass = WC_BUTTONW;
      style |= WS_TABSTOP | ((c.flags & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case Kind::Check:
      windowClass = WC_BUTTONW;
      style |= WS_TABSTOP | BS_CHECKBOX | pushLike;
      break;
    case Kind::Radio:
      // The form model checks and unchecks; the buttons only show it.
      windowClass = WC_BUTTONW;
      style |= (continuesGroup ? 0 : WS_TABSTOP) | BS_RADIOBUTTON | pushLike;
      break;
    case Kind::Group:
      windowClass = WC_BUTTONW;
      style |= BS_GROUPBOX;
      exStyle |= WS_EX_TRANSPARENT;  // the dialog paints what lies inside
      break;
    case Kind::Label:
      style |= SS_NOPREFIX | ((c.flags & kCentred) ? SS_CENTER : (c.flags & kRight) ? SS_RIGHT : SS_LEFT) |
               ((c.flags & kMultiline) ? 0 : SS_CENTERIMAGE) | ((c.flags & kBorder) ? SS_SUNKEN : 0);
      break;
    case Kind::Frame:
      break;
    case Kind::Edit:
      windowClass = WC_EDITW;
      style |= WS_TABSTOP | ES_AUTOHSCROLL | ((c.flags & kCentred) ? ES_CENTER : (c.flags & kRight) ? ES_RIGHT : ES_LEFT) |
               ((c.flags & kReadOnly) ? ES_READONLY : 0);
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::Combo:
      windowClass = WC_COMBOBOXW;
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
      break;
    case Kind::DropList:
      windowClass = WC_COMBOBOXW;
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
      break;
    case Kind::List:
      windowClass = WC_LISTBOXW;
      style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::Progress:
      windowClass = PROGRESS_CLASSW;
      style |= PBS_SMOOTH;
      break;
    case Kind::Grid:
      windowClass = WC_LISTVIEWW;
      style |= WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_NOSORTHEADER;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
  }
  bool captioned = c.kind == Kind::Button || c.kind == Kind::Check || c.kind == Kind::Radio ||
                   c.kind == Kind::Group || c.kind == Kind::Label;
  HWND window = CreateWindowExW(exStyle, windowClass, captioned ? Wide(c.caption).c_str() : L"", style, 0, 0, 10, 10,
                                hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id == kNoId ? 0xFFFF : c.id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("「" + form_.layout().caption + "」のコントロールを作れません。");
  SetFont(window, c);
  if (c.kind == Kind::Combo || c.kind == Kind::DropList) SendMessageW(window, CB_SETMINVISIBLE, 12, 0);
  if (c.kind == Kind::Grid) {
    const int id = c.id;
    grids_[id] = std::make_unique<GridView>(window, [this, id]() -> const TableModel& { return form_.Table(id); });
  }
  return window;
}

void Win32Dialog::SetFont(HWND window, const Control& c) {
  const Kind kind = c.kind;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(IsPushButton(c) ? CaptionFont(window) : font_), TRUE);
  // The margins an edit box takes by itself for a Japanese font leave room
  // for two digits where the layouts give three: the text goes up to the
  // frame, as in the Qt front end.
  HWND edit = window;
  if (kind == Kind::Combo) {
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    GetComboBoxInfo(window, &combo);
    edit = combo.hwndItem;
  }
  if (kind == Kind::Edit || kind == Kind::Combo)
    SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

HFONT Win32Dialog::CaptionFont(HWND button) {
  // A caption wider than its button (a few sheet names are) is set a few
  // pixels smaller rather than clipped.
  RECT r;
  GetClientRect(button, &r);
  const int room = r.right - r.left - static_cast<int>(6 * scale_);
  const std::wstring text = WindowText(button);
  HDC dc = GetDC(button);
  HFONT font = font_;
  for (int smaller = 1;; ++smaller) {
    SIZE size{};
    HGDIOBJ before = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, before);
    if (size.cx <= room || smaller > 3 * scale_) break;
    HFONT& smallerFont = smallerFonts_[smaller];
    if (!smallerFont) smallerFont = CreateDialogFont(form_.layout(), scale_, smaller);
    font = smallerFont;
  }
  ReleaseDC(button, dc);
  return font;
}

void Win32Dialog::DeleteSmallerFonts() {
  for (const auto& [smaller, font] : smallerFonts_) DeleteObject(font);
  smallerFonts_.clear();
}

void Win32Dialog::Place() {
  const Layout& layout = form_.layout();
  for (const auto& [c, window] : windows_) {
    RECT r = DeviceRect(form_.ToPixels(c->rect));
    int height = r.bottom - r.top;
    if (c->kind == Kind::Combo || c->kind == Kind::DropList)
      height = std::max(height, static_cast<int>(kComboDropHeight * scale_));
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetFont(window, *c);
  }
  for (const auto& [id, grid] : grids_) grid->Show(scale_);
  for (const auto& [id, bitmap] : icons_) SetIconImage(id);
  RECT frame = DeviceRect(form_.ToPixels(Rect{0, 0, layout.width, layout.height}));
  AdjustWindowRectExForDpi(&frame, GetWindowLongW(hwnd_, GWL_STYLE), FALSE, GetWindowLongW(hwnd_, GWL_EXSTYLE),
                           GetDpiForWindow(hwnd_));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Dialog::Show() {
  RECT frame, area;
  GetWindowRect(hwnd_, &frame);
  if (owner_) GetWindowRect(owner_, &area);
  else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = std::max<int>(area.left + (area.right - area.left - width) / 2, 0);
  int y = std::max<int>(area.top + (area.bottom - area.top - height) / 2, 0);
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
  UpdateWindow(hwnd_);
}

void Win32Dialog::Deliver(MSG& message) {
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) &&
      (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd)) && !DroppedDown(message.hwnd)) {
    if (message.wParam == VK_RETURN) handler_.UserEnter();
    else handler_.UserClose();
    return;
  }
  if (!IsDialogMessageW(hwnd_, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RethrowHeld();
}

void Win32Dialog::RunLoop() {
  MSG message;
  while (!form_.ended()) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The session is ending: pass the request on to the loops outside.
      PostQuitMessage(static_cast<int>(message.wParam));
      form_.End(kIdCancel);
      return;
    }
    Deliver(message);
  }
}

void Win32Dialog::Call(const std::function<void()>& action) {
  try {
    action();
  } catch (...) {
    HoldException();  // not through the system's window procedures
  }
}

LRESULT CALLBACK Win32Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dialog = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return dialog ? dialog->Handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Win32Dialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      for (const auto& [id, grid] : grids_)
        if (grid->Notify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT paints everything
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      Paint(dc);
      EndPaint(hwnd_, &paint);
      // The group boxes' frames go over the dialog's drawing.
      for (HWND group : groups_) RedrawWindow(group, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN: {
      int x = static_cast<int>(GET_X_LPARAM(lParam) / scale_), y = static_cast<int>(GET_Y_LPARAM(lParam) / scale_);
      Call([&] { handler_.UserMouseClick(x, y); });
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (form_.Has(id) && form_.State(id).coloured) {
        const ControlState& s = form_.State(id);
        SetTextColor(dc, RGB(s.textColour.r, s.textColour.g, s.textColour.b));
        SetBkColor(dc, RGB(s.backColour.r, s.backColour.g, s.backColour.b));
        HBRUSH& brush = brushes_[id];
        if (!brush) brush = CreateSolidBrush(RGB(s.backColour.r, s.backColour.g, s.backColour.b));
        return reinterpret_cast<LRESULT>(brush);
      }
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (WaitCursorShown()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      Call([&] { handler_.UserClose(); });
      return 0;
    case WM_DPICHANGED: {
      scale_ = HIWORD(wParam) / 96.0;
      HFONT old = font_;
      std::map<int, HFONT> oldSmaller;
      oldSmaller.swap(smallerFonts_);
      font_ = CreateDialogFont(form_.layout(), scale_);
      Place();
      DeleteObject(old);
      for (const auto& [smaller, font] : oldSmaller) DeleteObject(font);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Win32Dialog::Command(int id, int code, HWND from) {
  // Our own changes to the controls notify too; only the user's count.
  if (!from || syncing_ || !form_.Has(id) || control(id) != from) return;
  switch (form_.control(id).kind) {
    case Kind::Button:
    case Kind::Check:
    case Kind::Radio:
      if (code == BN_CLICKED) Call([&] { handler_.UserClick(id); });
      break;
    case Kind::Edit:
      if (code == EN_CHANGE) Call([&] { handler_.UserEdit(id, Utf8(WindowText(from))); });
      else if (code == EN_SETFOCUS) Call([&] { handler_.UserFocus(id); });
      break;
    case Kind::Combo:
    case Kind::DropList:
      if (code == CBN_EDITCHANGE) Call([&] { handler_.UserEdit(id, Utf8(WindowText(from))); });
      else if (code == CBN_SELCHANGE)
        Call([&] { handler_.UserSelect(id, static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0))); });
      else if (code == CBN_SETFOCUS) Call([&] { handler_.UserFocus(id); });
      break;
    case Kind::List:
      if (code == LBN_SELCHANGE)
        Call([&] { handler_.UserSelect(id, static_cast<int>(SendMessageW(from, LB_GETCURSEL, 0, 0))); });
      else if (code == LBN_DBLCLK) Call([&] { handler_.UserDoubleClick(id); });
      else if (code == LBN_SETFOCUS) Call([&] { handler_.UserFocus(id); });
      break;
    default:
      break;
  }
}

void Win32Dialog::ControlChanged(int id, Aspect aspect) {
  if (control(id)) Sync(id, aspect);
  else InvalidateRect(hwnd_, nullptr, FALSE);  // a frame the dialog paints
}

void Win32Dialog::RepaintRequested() { InvalidateRect(hwnd_, nullptr, FALSE); }

void Win32Dialog::Sync(int id, Aspect aspect) {
  HWND w = control(id);
  const ControlState& s = form_.State(id);
  const Kind kind = form_.control(id).kind;
  const bool combo = kind == Kind::Combo || kind == Kind::DropList;
  struct Guard {
    bool& flag;
    bool was;
    explicit Guard(bool& f) : flag(f), was(f) { flag = true; }
    ~Guard() { flag = was; }
  } guard(syncing_);
  switch (aspect) {
    case Aspect::Text:
      if (kind == Kind::DropList) SendMessageW(w, CB_SETCURSEL, s.selection, 0);
      else if (kind != Kind::List && kind != Kind::Grid && kind != Kind::Progress && Utf8(WindowText(w)) != s.text) {
        SetWindowTextW(w, Wide(s.text).c_str());
        if (IsPushButton(form_.control(id))) SetFont(w, form_.control(id));
      }
      break;
    case Aspect::Check:
      if (kind == Kind::Check || kind == Kind::Radio)
        SendMessageW(w, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Aspect::Items:
      if (combo || kind == Kind::List) {
        SendMessageW(w, WM_SETREDRAW, FALSE, 0);
        SendMessageW(w, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
        for (const std::string& item : s.items)
          SendMessageW(w, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(w, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(w, nullptr, TRUE);
        Sync(id, Aspect::Selection);
      }
      break;
    case Aspect::Selection:
      if (combo) {
        SendMessageW(w, CB_SETCURSEL, s.selection, 0);
        if (kind == Kind::Combo) SetWindowTextW(w, Wide(s.text).c_str());
      } else if (kind == Kind::List) {
        SendMessageW(w, LB_SETCURSEL, s.selection, 0);
      }
      break;
    case Aspect::Enabled:
      EnableWindow(w, s.enabled);
      break;
    case Aspect::Visible:
      ShowWindow(w, s.visible ? SW_SHOWNA : SW_HIDE);
      break;
    case Aspect::Colours:
      if (HBRUSH brush = brushes_[id]) DeleteObject(brush);
      brushes_.erase(id);
      InvalidateRect(w, nullptr, TRUE);
      break;
    case Aspect::Icon:
      if (s.icon) SetIconImage(id);
      break;
    case Aspect::Progress:
      if (kind == Kind::Progress) {
        SendMessageW(w, PBM_SETRANGE32, 0, std::max(1, s.progressMax));
        SendMessageW(w, PBM_SETPOS, std::clamp(s.progress, 0, std::max(1, s.progressMax)), 0);
        // Progress moves while the one thread works: let the window show it.
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      }
      break;
    case Aspect::Grid:
      if (auto it = grids_.find(id); it != grids_.end()) it->second->Show(scale_);
      break;
  }
}

void Win32Dialog::SetIconImage(int id) {
  HWND w = control(id);
  HBITMAP bitmap = RenderPicture(form_.State(id).icon, scale_);
  SetWindowLongW(w, GWL_STYLE, GetWindowLongW(w, GWL_STYLE) | BS_BITMAP);
  SendMessageW(w, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  if (HBITMAP old = icons_[id]) DeleteObject(old);
  icons_[id] = bitmap;
}

void Win32Dialog::Paint(HDC target) {
  PaintOffScreen(hwnd_, target, [&](HDC dc, const RECT&) {
    for (const Control& c : form_.layout().controls) {
      bool visible = c.id != kNoId ? form_.Visible(c.id) : !(c.flags & kHidden);
      if (c.kind != Kind::Frame || !(c.flags & kBorder) || !visible) continue;
      RECT r = DeviceRect(form_.ToPixels(c.rect));
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    }
    GdiCanvas canvas(dc, scale_);
    handler_.UserPaint(canvas);
  });
}

}  // namespace ui::win32
