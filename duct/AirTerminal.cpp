#include "duct/AirTerminal.h"

#include "settings/Paths.h"
#include "ui/Text.h"

namespace duct {

using figure::kDotted;

const std::vector<std::string>& NeckSizes() {
  static const std::vector<std::string> sizes = {"#12.5", "#15", "#20", "#25", "#30", "#35", "#37.5", "#40", "#45"};
  return sizes;
}

std::optional<NeckDefaults> LookUpNeckSize(const ui::Drive& drive, const std::string& size) {
  std::optional<NeckDefaults> found;
  for (const std::string& line : drive.ReadLines(settings::SetFile("AnemoSyoki.ini"))) {
    if (ui::GetListField(line, 1, ',') != size) continue;
    found = NeckDefaults{ui::GetListField(line, 2, ','), ui::GetListField(line, 3, ','),
                         ui::GetListField(line, 4, ','), ui::GetListField(line, 5, ',')};
  }
  return found;
}

void AddNeckAndAnemostat(figure::Figure& f, double neck, double d, bool square) {
  f.AddArcRecord(kDotted, figure::kHiddenLine, 0, 0, neck / 2, 0, 360);
  if (!square) {
    f.AddArcRecord(kDotted, figure::kEquipment, 0, 0, d / 2, 0, 360);
    return;
  }
  double h = d / 2;
  f.AddLineRecord(kDotted, figure::kEquipment, -h, -h, -h, h);
  f.AddLineRecord(kDotted, figure::kEquipment, -h, h, h, h);
  f.AddLineRecord(kDotted, figure::kEquipment, h, h, h, -h);
  f.AddLineRecord(kDotted, figure::kEquipment, h, -h, -h, -h);
}

}  // namespace duct
