#include "jw/DuctRun.h"

#include "jw/Exchange.h"
#include "ui/Text.h"

namespace jw {
namespace {

using ui::LineAt;

constexpr int kMaxFlanges = 1000;

struct DuctSettings {
  double width, flangeWidth, protrusion, pitch;
  int style, mode;  // mode 1 duct lines only, 2 flanges only, 3 both
  bool leftEnd, rightEnd, currentLayer, fixed45;
};

Error Wrong(int line, const char* what, const std::string& text) {
  return Error("Choku.ini の " + std::to_string(line) + " 行目（" + what + "）が正しくありません: " + text);
}

double Dimension(const std::vector<std::string>& choku, int line, const char* what, bool positive) {
  double value = ui::ToReal(LineAt(choku, line));
  if (positive ? !(value > 0) : value < 0) throw Wrong(line, what, LineAt(choku, line));
  return value;
}

int Choice(const std::vector<std::string>& choku, int line, const char* what) {
  int value = ui::ToInt(LineAt(choku, line));
  if (value < 1 || value > 3) throw Wrong(line, what, LineAt(choku, line));
  return value;
}

bool Checked(const std::vector<std::string>& lines, int line) { return ui::ToInt(LineAt(lines, line)) == 1; }

DuctSettings ReadSettings(const std::vector<std::string>& choku) {
  return {Dimension(choku, 1, "ダクトサイズ", true),
          Dimension(choku, 2, "フランジ巾", false),
          Dimension(choku, 3, "アングル出", false),
          ui::ToReal(LineAt(choku, 4)),
          Choice(choku, 5, "ダクト形状"),
          Choice(choku, 6, "作図設定"),
          Checked(choku, 7),
          Checked(choku, 8),
          Checked(choku, 9),
          Checked(choku, 10)};
}

// Lines first..first+3 of ChokuSet.ini; on the current layer without group and layer.
Attributes AttributesAt(const std::vector<std::string>& chokuSet, int first, bool currentLayer) {
  Attributes a{LineAt(chokuSet, first), LineAt(chokuSet, first + 1), LineAt(chokuSet, first + 2),
               LineAt(chokuSet, first + 3)};
  if (currentLayer) a.group = a.layer = "";
  return a;
}

// A flange in stations along the run: the joint line and the extent of its angles.
struct Flange {
  double joint, from, to;
};

// The end flanges, and a joint at every pitch whose angles lie on the duct
// clear of the end flanges: one closer to an end would overlap its flange or
// stand out past the duct's end, and is left out.
std::vector<Flange> Flanges(const DuctSettings& d, double length) {
  std::vector<Flange> flanges;
  const double f = d.flangeWidth;
  const double first = d.leftEnd ? f : 0, last = d.rightEnd ? length - f : length;
  if (d.leftEnd) flanges.push_back({0, 0, f});
  if (d.pitch > 0) {
    for (int k = 1; k * d.pitch < length; ++k) {
      if (static_cast<int>(flanges.size()) == kMaxFlanges)
        throw Error("フランジが多すぎます。Choku.ini の 4 行目（ピッチ）を確認してください。");
      double s = k * d.pitch;
      if (s - f >= first && s + f <= last) flanges.push_back({s, s - f, s + f});
    }
  }
  if (d.rightEnd) flanges.push_back({length, length - f, length});
  return flanges;
}

}  // namespace

std::vector<std::string> DrawDuct(const std::vector<std::string>& choku, const std::vector<std::string>& chokuSet,
                                  Point base, Point end) {
  const DuctSettings d = ReadSettings(choku);
  if (d.fixed45) end = SnapTo45(base, end);
  // Along the lower side the points come right to left: the run is drawn
  // from the end point, the duct lying to its left.
  const Run run = d.style == 3 ? MakeRun(end, base) : MakeRun(base, end);
  if (run.length == 0) throw Error("基点と終点が同じ位置です。");
  const double L = run.length, W = d.width, a = d.protrusion;
  const double side1 = d.style == 1 ? 0 : d.style == 2 ? -W / 2 : -W;  // the two sides, as offsets to the run's right
  const double side2 = side1 + W;

  ExchangeWriter out;
  if (d.mode != 2) {
    out.Use(AttributesAt(chokuSet, 1, d.currentLayer));
    out.Add(LineShape(run.At(0, side1), run.At(L, side1)));
    out.Add(LineShape(run.At(0, side2), run.At(L, side2)));
  }
  if (d.mode != 1) {
    const std::vector<Flange> flanges = Flanges(d, L);
    auto across = [&](double s) { return LineShape(run.At(s, side1 - a), run.At(s, side2 + a)); };
    out.Use(AttributesAt(chokuSet, 5, d.currentLayer));
    for (const Flange& f : flanges) out.Add(across(f.joint));
    out.Use(AttributesAt(chokuSet, 9, d.currentLayer));
    for (const Flange& f : flanges) {
      if (f.from == f.to) continue;
      if (f.from != f.joint) out.Add(across(f.from));
      if (f.to != f.joint) out.Add(across(f.to));
      out.Add(LineShape(run.At(f.from, side1 - a), run.At(f.to, side1 - a)));
      out.Add(LineShape(run.At(f.from, side2 + a), run.At(f.to, side2 + a)));
    }
  }
  return out.lines();
}

}  // namespace jw
