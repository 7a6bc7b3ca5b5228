// The printed take-off tables: A4 pages in 0.01 mm with a header band and
// 31 row bands of 8 mm, the fitting table first, then the pipe table.
#pragma once

#include <string>

#include "ui/Services.h"
#include "ui/TableModel.h"

namespace takeoff {

constexpr int kRowsPerPage = 31;

// The pages of both tables; a table whose first row is empty is left out.
// lineHeight is the print font's character height plus external leading.
ui::PrintDocument TablesDocument(const ui::TableModel& fittings, const ui::TableModel& pipes, const std::string& title,
                                 int lineHeight);

}  // namespace takeoff
