// What the vertical-offset commands share ("エルボ上下：単独", "エルボ上下：連続",
// "振り上げダクト作図", "ダクトアップダウン"): the looks of their lines, points
// on a line, the reference point, the width split at the centre line, the
// section symbol buttons and the numbers they show.
#pragma once

#include <string>

#include "figure/Figure.h"
#include "ui/Form.h"

namespace duct {

// Pen style and attribute slot of a record.
struct Look {
  int style, slot;
};
inline constexpr Look kBody{figure::kSolid, figure::kDuct};
inline constexpr Look kHidden{figure::kDotted, figure::kHiddenLine};
inline constexpr Look kEndFlange{figure::kSolid, figure::kFlangeLine};
inline constexpr Look kAngleLine{figure::kSolid, figure::kAngleLine};

void Draw(figure::Figure& figure, Look look, figure::Vec from, figure::Vec to);

// The point of the line through a and b at this x (or y); b itself when the
// line never gets there.
figure::Vec AtX(figure::Vec a, figure::Vec b, double x);
figure::Vec AtY(figure::Vec a, figure::Vec b, double y);

// Moves this point of the fitting's frame to the placement point.
void PlaceAt(figure::Placement& placement, figure::Vec point);

// A duct width split at its centre line into two parts, one on either side.
struct SplitWidth {
  int width, first, second;  // edit boxes
};
// The width changed: the first part takes half of it (a whole number), the
// second the rest, so that the parts always add up to the width.
void SplitEvenly(ui::Form& form, const SplitWidth& split);
// One part was typed: the other takes the rest of the width.
void TakeTheRest(ui::Form& form, const SplitWidth& split, int typed);

// The three section-symbol buttons from `first` on: their icons, and the
// symbol checked (1..3, or 0 for none).
void SetSectionIcons(ui::Form& form, int first);
int CheckedSymbol(const ui::Form& form, int first);

// A length or angle as shown: formatted with six decimals and cut after the
// first decimal, which is left out when it is 0 (907.56 -> "907.5",
// 910.04 -> "910", 44.99999999 -> "45").
std::string FormatTenth(double value);

}  // namespace duct
