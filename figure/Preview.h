// The preview of a fitting: its figure scaled into the preview frame, in
// colours by attribute slot, with the placement point marked.
#pragma once

#include "figure/Figure.h"
#include "ui/Canvas.h"

namespace figure {

inline constexpr ui::Rgb kDashDotColour{255, 50, 50};
inline constexpr ui::Rgb kDottedColour{128, 128, 128};
inline constexpr ui::Rgb kMarkerColour{0, 255, 128};
inline constexpr ui::Rgb kPreviewBackground{225, 225, 225};

ui::Rgb SlotColour(int slot);

// Draws the figure at `scale` pixels per millimetre into the frame's client
// rectangle, the placement point at its centre.
void DrawPreview(ui::Canvas& canvas, const Figure& figure, double scale, ui::Rect frame);

// The scale that fits the frame record's extents into `pixels`:
// pixels / max(|e1| + |e3|, |e2| + |e4|); a fixed scale for empty extents.
double ExtentFitScale(const Figure& figure, double pixels);
constexpr double kFallbackScale = 0.2;

// The largest scale at which every record lies within `halfWidth` pixels of
// the placement point across and `halfHeight` pixels up and down (circles
// and arcs by their whole circle), for commands whose preview simply shows
// the placed figure; the fixed scale for a figure without extent.
double RecordFitScale(const Figure& figure, double halfWidth, double halfHeight);

// A counter-clockwise arc of the circle at (cx, cy) from angle a1 to a2
// (degrees), in pixels with y downwards; truncates toward zero as the
// drawings always have.
void DrawArc(ui::Canvas& canvas, double cx, double cy, double r, double a1, double a2);

}  // namespace figure
