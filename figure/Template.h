// Template files (.tec): the guide sketches drawn behind a dialog's edit
// boxes, and the catalogue's sheet pictures. The lines use the figure-record
// layout; a line record stores x1, 2·y1, 3·x2 and 4·y2.
#pragma once

#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Drive.h"

namespace figure {

std::vector<std::string> ReadTemplate(const ui::Drive& drive, const std::string& windowsPath);

// Pixel (k·x + ox, k·y + oy) from the origin for the template point (x, y);
// y grows downwards, as the sketches are drawn.
struct GuideScale {
  double k = 1, ox = 0, oy = 0;
};

// Draws the template lines: style 4 dash-dot red, 2 and 3 dotted grey,
// anything else solid black; lines whose third field is one of `greyed` in
// the light grey of a disabled part.
void DrawGuide(ui::Canvas& canvas, const std::vector<std::string>& templateLines, const GuideScale& scale,
               ui::Point origin, const std::vector<int>& greyed = {});
inline constexpr ui::Rgb kDisabledColour{192, 192, 192};

}  // namespace figure
