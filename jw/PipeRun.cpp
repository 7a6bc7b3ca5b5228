#include "jw/PipeRun.h"

#include <algorithm>
#include <cmath>

#include "jw/Exchange.h"
#include "piping/Marker.h"
#include "ui/Text.h"

namespace jw {
namespace {

using ui::LineAt;

constexpr long long kMaxUnitsPerMarker = 999;  // the largest three-digit code
constexpr long long kMaxMarkers = 1000;

bool Checked(const std::vector<std::string>& lines, int line) { return ui::ToInt(LineAt(lines, line)) == 1; }

double Radius(const std::string& text, int line) {
  double r = 0;
  if (!ReadNumber(text, r) || !(r > 0))
    throw Error("KanSekisan.ini の " + std::to_string(line) + " 行目（積算情報）が読めません: " + text);
  return r;
}

// The lengths in units of 10 mm that the markers of the run carry: as few
// pieces as the three-digit code allows, as equal as can be.
std::vector<long long> MarkerUnits(double length) {
  long long units = std::llround(length / 10);
  long long pieces = std::max(1LL, (units + kMaxUnitsPerMarker - 1) / kMaxUnitsPerMarker);
  if (pieces > kMaxMarkers) throw Error("配管が長すぎます。");
  std::vector<long long> result;
  for (long long i = 0; i < pieces; ++i) result.push_back(units / pieces + (i < units % pieces ? 1 : 0));
  return result;
}

}  // namespace

std::vector<std::string> DrawPipe(const std::vector<std::string>& haikan, const std::vector<std::string>& kanSekisan,
                                  Point from, Point to) {
  const double diameter = ui::ToReal(LineAt(haikan, 5));
  if (!(diameter > 0)) throw Error("Haikan.ini の 5 行目（作図外径）が正しくありません: " + LineAt(haikan, 5));
  const bool currentLayer = Checked(haikan, 8);
  const Run run = MakeRun(from, Checked(haikan, 7) ? SnapTo45(from, to) : to);
  if (run.length == 0) throw Error("基点と終点が同じ位置です。");

  Attributes pipe{LineAt(haikan, 1), LineAt(haikan, 2), LineAt(haikan, 3), LineAt(haikan, 4)};
  if (currentLayer) pipe.group = pipe.layer = "";
  ExchangeWriter out;
  out.Use(pipe);
  for (double side : {-diameter / 2, diameter / 2}) out.Add(LineShape(run.At(0, side), run.At(run.length, side)));
  if (!Checked(kanSekisan, 1)) return out.lines();

  std::vector<double> radii;
  for (int line = 6; line <= 13; ++line) radii.push_back(Radius(LineAt(kanSekisan, line), line));
  Attributes marker{pipe.group, pipe.layer, "9", pipe.colour};
  if (ui::ToInt(LineAt(kanSekisan, 2)) != 0) marker = {LineAt(kanSekisan, 3), LineAt(kanSekisan, 4), "9", pipe.colour};
  out.Use(marker);
  const std::vector<long long> units = MarkerUnits(run.length);
  for (size_t i = 0; i < units.size(); ++i) {
    Point centre = run.At(run.length * (i + 0.5) / units.size(), 0);
    for (double r : radii) out.Add(CircleShape(centre, r));
    out.Add(CircleShape(centre, Radius(piping::MarkerRadius(1, static_cast<int>(units[i])), 14)));
    out.Add(CircleShape(centre, 1));
  }
  return out.lines();
}

}  // namespace jw
