#include "duct/VerticalOffset.h"

#include <cmath>

#include "duct/SectionIcons.h"
#include "ui/Text.h"

namespace duct {

void Draw(figure::Figure& figure, Look look, figure::Vec from, figure::Vec to) {
  figure.AddLineRecord(look.style, look.slot, from.x, from.y, to.x, to.y);
}

figure::Vec AtX(figure::Vec a, figure::Vec b, double x) {
  if (a.x == b.x) return b;
  return {x, a.y + (x - a.x) * (b.y - a.y) / (b.x - a.x)};
}

figure::Vec AtY(figure::Vec a, figure::Vec b, double y) {
  if (a.y == b.y) return b;
  return {a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), y};
}

void PlaceAt(figure::Placement& placement, figure::Vec point) {
  placement.offsetX = point.x;
  placement.offsetY = -point.y;
}

void SplitEvenly(ui::Form& form, const SplitWidth& split) {
  const double width = ui::Whole(ui::ToReal(form.Text(split.width)));
  const double half = ui::Whole(width / 2);
  form.SetText(split.first, ui::FormatWhole(half));
  form.SetText(split.second, ui::FormatWhole(width - half));
}

void TakeTheRest(ui::Form& form, const SplitWidth& split, int typed) {
  const int other = typed == split.first ? split.second : split.first;
  form.SetText(other, ui::FormatWhole(ui::ToReal(form.Text(split.width)) - ui::ToReal(form.Text(typed))));
}

void SetSectionIcons(ui::Form& form, int first) {
  for (int i = 0; i < 3; ++i) form.SetIcon(first + i, SectionSymbolIcon(i + 1));
}

int CheckedSymbol(const ui::Form& form, int first) {
  for (int i = 0; i < 3; ++i)
    if (form.Checked(first + i)) return i + 1;
  return 0;
}

std::string FormatTenth(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e18) return "0";
  const std::string text = ui::FormatFixed(value);
  const size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  const char tenth = text[point + 1];
  if (tenth != '0') return whole + "." + tenth;
  return whole == "-0" ? "0" : whole;
}

}  // namespace duct
