// Both result tables as one Excel workbook, sheets "継手" and "配管", cell for
// cell as the tables show them: a title line, the headers (frozen), counts as
// whole numbers and metres with two decimals, the tables' column widths, and
// A4 portrait pages with the headers repeated on each.
#pragma once

#include <filesystem>
#include <string>

#include "ui/TableModel.h"

namespace takeoff {

// The bytes of the .xlsx file. Text is always written as text, never as a
// formula, whatever it begins with. The workbook is assembled in a file of
// its own in workFolder, removed again; give a folder whose path is plain
// ASCII (the drive's \Tavrin\ folder), which the library can open on any
// Windows code page. Throws ui::FileError naming that file.
std::string XlsxBytes(const ui::TableModel& fittings, const ui::TableModel& pipes, const std::string& title,
                      const std::filesystem::path& workFolder);

}  // namespace takeoff
