#include "ui/win32/GridView.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ui/win32/Wide.h"

namespace ui::win32 {

namespace {

// Column 0 of a list view is always left-aligned, so it is an empty one of
// no width and the table's columns follow from 1.
constexpr int kFirst = 1;
const COLORREF kFixedColour = RGB(212, 208, 200);

int Format(Align align) {
  switch (align) {
    case Align::Left: return LVCFMT_LEFT;
    case Align::Right: return LVCFMT_RIGHT;
    default: return LVCFMT_CENTER;
  }
}

}  // namespace

GridView::GridView(HWND list, std::function<const TableModel&()> table) : list_(list), table_(std::move(table)) {
  ListView_SetExtendedListViewStyle(list_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
}

void GridView::Show(double scale) {
  const TableModel& table = table_();
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  while (ListView_DeleteColumn(list_, 0)) {
  }
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH | LVCF_FMT;
  column.fmt = LVCFMT_LEFT | LVCFMT_FIXED_WIDTH;
  column.cx = 0;
  ListView_InsertColumn(list_, 0, &column);
  for (int col = 0; col < table.ColumnCount(); ++col) {
    std::wstring header = Wide(table.Cell(0, col));
    const int twips = table.ColumnWidth(col);
    column.mask = LVCF_WIDTH | LVCF_FMT | LVCF_TEXT;
    column.fmt = col == 0 ? LVCFMT_CENTER : Format(table.ColumnAlign(col));
    column.cx = static_cast<int>((twips > 0 ? twips : 1000) / 15.0 * scale + 0.5);
    column.pszText = header.data();
    ListView_InsertColumn(list_, kFirst + col, &column);
  }
  // The headers are centred, as a grid's fixed row.
  HWND headers = ListView_GetHeader(list_);
  for (int col = 0; col < table.ColumnCount(); ++col) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(headers, kFirst + col, &item);
    item.fmt = (item.fmt & ~HDF_JUSTIFYMASK) | HDF_CENTER;
    Header_SetItem(headers, kFirst + col, &item);
  }
  // Rows as high as the Qt front end's: an image list sets the height (the
  // list view destroys the last one with itself).
  const int rowHeight = static_cast<int>(18 * scale + 0.5);
  if (rowHeight_ != rowHeight) {
    HIMAGELIST old = ListView_SetImageList(list_, ImageList_Create(1, rowHeight, ILC_COLOR, 0, 0), LVSIL_SMALL);
    if (old) ImageList_Destroy(old);
    rowHeight_ = rowHeight;
  }
  ListView_SetItemCountEx(list_, std::max(0, table.RowCount() - 1), 0);
  if (table.RowCount() > 1) ListView_EnsureVisible(list_, 0, FALSE);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

bool GridView::Notify(NMHDR* header, LRESULT& result) {
  if (header->hwndFrom != list_) return false;
  if (header->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0) {
      const TableModel& table = table_();
      const int row = item.iItem + 1, col = item.iSubItem - kFirst;
      std::wstring text = col >= 0 && row < table.RowCount() && col < table.ColumnCount() ? Wide(table.Cell(row, col))
                                                                                          : std::wstring();
      size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
      text.copy(item.pszText, n);
      item.pszText[n] = L'\0';
    }
    result = 0;
    return true;
  }
  if (header->code == NM_CUSTOMDRAW) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
      case CDDS_PREPAINT: result = CDRF_NOTIFYITEMDRAW; return true;
      case CDDS_ITEMPREPAINT: result = CDRF_NOTIFYSUBITEMDRAW; return true;
      case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        draw->clrTextBk = draw->iSubItem == kFirst ? kFixedColour : GetSysColor(COLOR_WINDOW);
        draw->clrText = GetSysColor(COLOR_WINDOWTEXT);
        result = CDRF_NEWFONT;
        return true;
    }
    result = CDRF_DODEFAULT;
    return true;
  }
  return false;
}

std::optional<std::string> GridView::Cell(int row, int col) const {
  HWND headers = ListView_GetHeader(list_);
  if (row < 0 || col < 0 || row > ListView_GetItemCount(list_) || kFirst + col >= Header_GetItemCount(headers))
    return std::nullopt;
  std::vector<wchar_t> text(1024);
  if (row == 0) {
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    Header_GetItem(headers, kFirst + col, &item);
  } else {
    ListView_GetItemText(list_, row - 1, kFirst + col, text.data(), static_cast<int>(text.size()));
  }
  return Utf8(text.data());
}

}  // namespace ui::win32
