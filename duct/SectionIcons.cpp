#include "duct/SectionIcons.h"

namespace duct {

ui::Picture SectionSymbolIcon(int symbol) {
  return ui::Picture{32, 32, [symbol](ui::Canvas& c) {
                       c.SetPen({0, 0, 0});
                       c.MoveTo(4, 4);
                       c.LineTo(27, 4);
                       c.LineTo(27, 27);
                       c.LineTo(4, 27);
                       c.LineTo(4, 4);
                       c.MoveTo(4, 27);
                       c.LineTo(27, 4);
                       if (symbol == 1) {
                         c.MoveTo(4, 4);
                         c.LineTo(27, 27);
                       } else if (symbol == 3) {
                         c.MoveTo(16, 16);
                         c.LineTo(27, 27);
                       }
                     }};
}

}  // namespace duct
