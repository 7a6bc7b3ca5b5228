#include "ui/win32/GdiCanvas.h"

namespace ui::win32 {

namespace {

COLORREF Colour(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, double scale) : dc_(dc) {
  oldPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
  oldBackground_ = SetBkMode(dc_, TRANSPARENT);  // the gaps of dotted lines show what lies below
  oldMode_ = SetGraphicsMode(dc_, GM_ADVANCED);
  GetWorldTransform(dc_, &oldTransform_);
  // Pens of width 0 stay one device pixel wide under the scaling.
  XFORM scaling{static_cast<FLOAT>(scale), 0, 0, static_cast<FLOAT>(scale), 0, 0};
  SetWorldTransform(dc_, &scaling);
}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, oldPen_);
  if (pen_) DeleteObject(pen_);
  SetWorldTransform(dc_, &oldTransform_);
  SetGraphicsMode(dc_, oldMode_);
  SetBkMode(dc_, oldBackground_);
}

void GdiCanvas::SetPen(Rgb colour, PenStyle style) {
  int gdiStyle = style == PenStyle::Dot ? PS_DOT : style == PenStyle::DashDot ? PS_DASHDOT : PS_SOLID;
  HPEN pen = CreatePen(gdiStyle, 0, Colour(colour));
  SelectObject(dc_, pen);
  if (pen_) DeleteObject(pen_);
  pen_ = pen;
}

void GdiCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void GdiCanvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void GdiCanvas::Arc(Rect box, int x1, int y1, int x2, int y2) {
  SetArcDirection(dc_, AD_COUNTERCLOCKWISE);
  ::Arc(dc_, box.x, box.y, box.right(), box.bottom(), x1, y1, x2, y2);
}

void GdiCanvas::FillRect(Rect rect, Rgb colour) {
  HBRUSH brush = CreateSolidBrush(Colour(colour));
  RECT r{rect.x, rect.y, rect.right(), rect.bottom()};
  ::FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

void PaintOffScreen(HWND window, HDC target, const std::function<void(HDC dc, const RECT& client)>& draw) {
  RECT client;
  GetClientRect(window, &client);
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  ::FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  draw(dc, client);
  BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

HBITMAP RenderPicture(const Picture& picture, double scale) {
  int width = static_cast<int>(picture.width * scale + 0.5), height = static_cast<int>(picture.height * scale + 0.5);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  ::FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  {
    GdiCanvas canvas(dc, scale);
    picture.draw(canvas);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

}  // namespace ui::win32
