// Both result tables as CSV for spreadsheet programs: UTF-8 with a byte
// order mark (so that they read the Japanese right) and CR LF line ends.
// Every row carries its classification and family in full, so that the
// sheet can be sorted and filtered. A text that a spreadsheet would take for
// a formula ("=", "+", "-" or "@" first, and not a number or a lone "-")
// begins with an apostrophe, so that it shows as the text it is.
#pragma once

#include <string>
#include <vector>

#include "ui/TableModel.h"

namespace takeoff {

// The tables as the dialog shows them.
std::string CsvBytes(const ui::TableModel& fittings, const ui::TableModel& pipes, const std::string& title);

}  // namespace takeoff
