#include "takeoff/XlsxExport.h"

#include <xlsxwriter.h>

#include <random>

#include "ui/HostFiles.h"
#include "ui/Text.h"

namespace takeoff {
namespace {

// Excel's column width is counted in characters of its default font, about
// seven pixels each; the tables give theirs in twips, 15 to the pixel.
double ColumnCharacters(int twips) { return twips / 15.0 / 7.0; }

struct Formats {
  lxw_format* title;
  lxw_format* header;
  lxw_format* text;
  lxw_format* count;
  lxw_format* metres;
};

Formats MakeFormats(lxw_workbook* book) {
  auto bordered = [&] {
    lxw_format* format = workbook_add_format(book);
    format_set_border(format, LXW_BORDER_THIN);
    format_set_font_name(format, "ＭＳ Ｐゴシック");
    return format;
  };
  Formats f{workbook_add_format(book), bordered(), bordered(), bordered(), bordered()};
  format_set_bold(f.title);
  format_set_font_size(f.title, 14);
  format_set_font_name(f.title, "ＭＳ Ｐゴシック");
  format_set_bold(f.header);
  format_set_align(f.header, LXW_ALIGN_CENTER);
  format_set_bg_color(f.header, 0xD4D0C8);
  format_set_num_format(f.count, "0");
  format_set_num_format(f.metres, "0.00");
  return f;
}

void AddSheet(lxw_workbook* book, const Formats& f, const char* name, const char* heading,
              const ui::TableModel& table, const std::string& title) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, name);
  worksheet_write_string(sheet, 0, 0, (std::string(heading) + ":" + title).c_str(), f.title);
  const bool metres = std::string(name) == "配管";
  for (int row = 0; row < table.RowCount(); ++row) {
    for (int col = 0; col < table.ColumnCount(); ++col) {
      const std::string text = row == 0 && col == 0 ? std::string("No.") : table.Cell(row, col);
      lxw_row_t at = static_cast<lxw_row_t>(row + 1);
      if (row == 0) {
        worksheet_write_string(sheet, at, col, text.c_str(), f.header);
      } else if ((col == 0 || col == 5) && ui::IsPlainDecimal(text)) {  // the counts and metres
        worksheet_write_number(sheet, at, col, ui::ToReal(text), col == 5 && metres ? f.metres : f.count);
      } else {
        worksheet_write_string(sheet, at, col, text.c_str(), f.text);
      }
    }
  }
  for (int col = 0; col < table.ColumnCount(); ++col)
    worksheet_set_column(sheet, col, col, ColumnCharacters(table.ColumnWidth(col)), nullptr);
  worksheet_freeze_panes(sheet, 2, 0);
  worksheet_set_paper(sheet, 9);  // A4
  worksheet_set_portrait(sheet);
  worksheet_repeat_rows(sheet, 1, 1);
  worksheet_fit_to_pages(sheet, 1, 0);
  worksheet_set_footer(sheet, "&C&P / &N");
}

}  // namespace

std::string XlsxBytes(const ui::TableModel& fittings, const ui::TableModel& pipes, const std::string& title,
                      const std::filesystem::path& workFolder) {
  std::random_device random;
  std::filesystem::path work = workFolder / ("~excel" + std::to_string(random() % 1000000) + ".tmp");
  // UTF-8, as the library opens it on Windows too.
  lxw_workbook* book = workbook_new(ui::Utf8Of(work).c_str());
  if (!book) throw ui::FileError(work, true);
  Formats formats = MakeFormats(book);
  AddSheet(book, formats, "継手", "【継手集計表】", fittings, title);
  AddSheet(book, formats, "配管", "【配管集計表】", pipes, title);
  lxw_error closed = workbook_close(book);
  std::error_code ignored;
  if (closed != LXW_NO_ERROR) {
    std::filesystem::remove(work, ignored);
    throw ui::FileError(work, true);
  }
  std::string bytes = ui::ReadFileBytes(work);
  std::filesystem::remove(work, ignored);
  return bytes;
}

}  // namespace takeoff
