// A figure's records as short texts to compare in tests: "style,slot,x1,y1,x2,y2"
// for each line after the frame record, the coordinates cut to whole numbers.
#pragma once

#include <string>
#include <vector>

#include "figure/Figure.h"
#include "ui/Text.h"

namespace test {

inline std::vector<std::string> RecordLines(const figure::Figure& figure) {
  std::vector<std::string> lines;
  for (int i = 1; i < figure.count(); ++i) {
    const std::string& record = figure.records()[i];
    std::string line = ui::GetListField(record, 2, ',') + "," + ui::GetListField(record, 3, ',');
    for (int n = 4; n <= 7; ++n) line += "," + ui::FormatWhole(ui::ToReal(ui::GetListField(record, n, ',')));
    lines.push_back(line);
  }
  return lines;
}

}  // namespace test
