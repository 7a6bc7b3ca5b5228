#include "duct/FlexDuctShape.h"

#include <cmath>
#include <variant>
#include <vector>

#include "figure/Geometry.h"

namespace duct {
namespace {

using figure::kDuct;
using figure::kHatching;
using figure::kSolid;
using figure::Vec;

constexpr double kCollar = 50;          // length of each end collar
constexpr double kJacket = 25;          // insulation beyond the duct on each side
constexpr double kStraightStart = 100;  // where the first bend of the L and S shapes may begin

double Rad(double degrees) { return degrees * figure::kRadiansPerDegree; }
Vec Dir(double degrees) { return {std::cos(Rad(degrees)), std::sin(Rad(degrees))}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

double Normalised(double degrees) {
  while (degrees < 0) degrees += 360;
  while (degrees >= 360) degrees -= 360;
  return degrees;
}

// One piece of the centre line: a straight run from a point in a direction,
// or a bend about a centre entered at the angle `start` and turning by
// `sweep` degrees (negative: clockwise). `t` is the length along the piece.
struct Piece {
  bool bend = false;
  Vec from;
  double dir = 0;
  Vec centre;
  double radius = 0, start = 0, sweep = 0;
  double length = 0;

  static Piece Straight(Vec from, double dir, double length) {
    Piece p;
    p.from = from;
    p.dir = dir;
    p.length = length;
    return p;
  }
  static Piece Bend(Vec centre, double radius, double start, double sweep) {
    Piece p;
    p.bend = true;
    p.centre = centre;
    p.radius = radius;
    p.start = start;
    p.sweep = sweep;
    p.length = radius * Rad(std::fabs(sweep));
    return p;
  }

  double AngleAt(double t) const { return start + (sweep < 0 ? -1 : 1) * t / radius * figure::kDegreesPerRadian; }
  Vec At(double t) const { return bend ? centre + radius * Dir(AngleAt(t)) : from + t * Dir(dir); }
  // The side to the left of the direction of travel.
  Vec Normal(double t) const {
    if (!bend) return Dir(dir + 90);
    Vec radial = Dir(AngleAt(t));
    return sweep < 0 ? radial : -1 * radial;
  }
  Vec At(double t, double side) const { return At(t) + side * Normal(t); }
};

// The centre line from the end of the start collar (or of the jacket's
// start) to the far end: the first straight, bends and runs, and the last
// straight, which holds the end collar.
struct CentreLine {
  std::vector<Piece> pieces;
  bool collarRunsOn = false;  // the start collar's sides run on along the first straight
};

// The widths and end rules of a kind.
struct Outline {
  bool insulated;
  double h;       // half the diameter: the collars
  double w;       // half the width of runs and bends: the duct, or its jacket
  double start;   // where the runs begin: the collar's end, or 100 behind the jacket's start
  double endGap;  // how far before the far end the last run's sides stop
};

using Result = std::variant<CentreLine, FlexRefusal>;

void Line(figure::Figure& f, Vec a, Vec b) { f.AddLineRecord(kSolid, kDuct, a.x, a.y, b.x, b.y); }

// The start collar, its sides running to `plusTo` (+y) and `minusTo` (−y).
void StartCollar(figure::Figure& f, double h, double plusTo, double minusTo) {
  Line(f, {0, -h}, {0, h});
  Line(f, {0, h}, {plusTo, h});
  Line(f, {kCollar, h}, {kCollar, -h});
  Line(f, {minusTo, -h}, {0, -h});
}

// The end collar at the far end of the last straight, its −y side reaching
// `minusBack` further back.
void EndCollar(figure::Figure& f, const Piece& last, double h, double minusBack) {
  const double end = last.length, inner = end - kCollar;
  Line(f, last.At(end, -h), last.At(end, h));
  Line(f, last.At(end, h), last.At(inner, h));
  Line(f, last.At(inner, h), last.At(inner, -h));
  Line(f, last.At(inner - minusBack, -h), last.At(end, -h));
}

// The jacket leaves the start collar in two quarter arcs and reaches x = 100
// (its +y side `plusExtra` further); at the far end it closes in two more.
void StartJacket(figure::Figure& f, const Outline& o, double plusExtra) {
  const double arcEnd = kCollar + kJacket;
  Line(f, {arcEnd, o.w}, {kStraightStart + plusExtra, o.w});
  Line(f, {arcEnd, -o.w}, {kStraightStart, -o.w});
  f.AddArcRecord(kSolid, kDuct, arcEnd, o.h, kJacket, 90, 180);
  f.AddArcRecord(kSolid, kDuct, arcEnd, -o.h, kJacket, 180, 270);
}

void EndJacket(figure::Figure& f, const Piece& last, const Outline& o) {
  const double t = last.length - kCollar - kJacket, a = Normalised(last.dir);
  const Vec plus = last.At(t, o.h), minus = last.At(t, -o.h);
  f.AddArcRecord(kSolid, kDuct, plus.x, plus.y, kJacket, a, a + 90);
  f.AddArcRecord(kSolid, kDuct, minus.x, minus.y, kJacket, Normalised(a + 270), Normalised(a + 270) + 90);
}

void Across(figure::Figure& f, const Piece& piece, double t, double w) {
  Vec a = piece.At(t, w), b = piece.At(t, -w);
  f.AddLineRecord(kSolid, kHatching, a.x, a.y, b.x, b.y);
}

// Bellows lines at the pitch p: along the first and any middle straight
// from its start, along the last straight back from its end collar (the
// insulated kind from 100 before and after the collars, with a line there),
// one at each bend end, and inside each bend dividing it into as many equal
// parts as the pitch goes into its length.
void Bellows(figure::Figure& f, const CentreLine& line, const Outline& o, double p) {
  const auto& pieces = line.pieces;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const Piece& piece = pieces[i];
    const bool last = i + 1 == pieces.size();
    if (piece.bend) {
      const int n = static_cast<int>(piece.length / p);
      for (int k = 1; k < n; ++k) Across(f, piece, piece.length * k / n, o.w);
    } else if (last) {
      const double end = piece.length - (o.insulated ? kStraightStart : kCollar);
      if (o.insulated && end > 0) Across(f, piece, end, o.w);
      for (int k = 1; end - k * p > 0; ++k) Across(f, piece, end - k * p, o.w);
    } else {
      if (i == 0 && o.insulated && piece.length > 0) Across(f, piece, 0, o.w);
      for (int k = 1; k * p < piece.length; ++k) Across(f, piece, k * p, o.w);
    }
    if (!last) Across(f, piece, piece.length, o.w);
  }
}

void Draw(figure::Figure& f, const CentreLine& line, const FlexInput& in, const Outline& o) {
  const std::vector<Piece>& pieces = line.pieces;
  const double collarTo = line.collarRunsOn && !o.insulated ? kCollar + pieces.front().length : kCollar;
  StartCollar(f, o.h, collarTo, collarTo);
  EndCollar(f, pieces.back(), o.h, 0);
  if (o.insulated) {
    StartJacket(f, o, 0);
    EndJacket(f, pieces.back(), o);
  }
  for (size_t i = 0; i < pieces.size(); ++i) {
    const Piece& piece = pieces[i];
    if (piece.bend || (i == 0 && collarTo > kCollar)) continue;
    const double to = i + 1 == pieces.size() ? piece.length - o.endGap : piece.length;
    if (!(to > 0)) continue;
    Line(f, piece.At(0, o.w), piece.At(to, o.w));
    Line(f, piece.At(0, -o.w), piece.At(to, -o.w));
  }
  for (const Piece& piece : pieces) {
    if (!piece.bend) continue;
    const double a = Normalised(piece.sweep < 0 ? piece.start + piece.sweep : piece.start);
    const double b = Normalised(piece.sweep < 0 ? piece.start : piece.start + piece.sweep);
    f.AddArcRecord(kSolid, kDuct, piece.centre.x, piece.centre.y, piece.radius + o.w, a, b);
    f.AddArcRecord(kSolid, kDuct, piece.centre.x, piece.centre.y, piece.radius - o.w, a, b);
  }
  if (in.bellows) Bellows(f, line, o, in.pitch);
}

Piece FirstStraight(const Outline& o, double to) { return Piece::Straight({o.start, 0}, 0, to - o.start); }

// L shape, one bend of 180° − θ whose tangents meet at (A, 0): T is the
// tangent length. The last run needs 100, the first its collar (the
// insulated kind also the jacket's start).
Result BendLine(const FlexInput& in, const Outline& o, double rc) {
  const double a = in.distance, beta = 180 - in.angle, t = rc / std::tan(Rad(in.angle / 2));
  const double last = in.length - (a - t) - rc * Rad(beta);
  if (!(last >= 100)) return FlexRefusal{kLengthMessage};
  if (!(a >= t + (o.insulated ? kStraightStart : kCollar))) return FlexRefusal{kDistanceMessage};
  CentreLine line;
  line.pieces.push_back(FirstStraight(o, a - t));
  line.pieces.push_back(Piece::Bend({a - t, -rc}, rc, 90, -beta));
  line.pieces.push_back(Piece::Straight(line.pieces.back().At(line.pieces.back().length), -beta, last));
  return line;
}

// L shape at 90° whose second run is too close to the start for one bend:
// the first bend turns past 90°, a second one of the same radius turns back
// so that the duct leaves straight down along x = A. The two arcs meet
// midway between their centres.
Result ReducingLine(const FlexInput& in, const Outline& o, double rc) {
  const double a = in.distance, half = (a + rc - kStraightStart) / 2, root = rc * rc - half * half;
  if (root < 0) return FlexRefusal{kDistanceMessage};  // the arcs cannot meet
  const Vec first{kStraightStart, -rc}, second{a + rc, -rc - 2 * std::sqrt(root)};
  const double phi = figure::VectorAngle(first.x, first.y, second.x, second.y);
  const double turnDown = 450 - phi, turnBack = 360 - phi;
  const double last = in.length - kStraightStart - rc * Rad(turnDown + turnBack);
  if (!(last >= 100)) return FlexRefusal{kLengthMessage};
  CentreLine line;
  line.collarRunsOn = true;
  line.pieces = {FirstStraight(o, kStraightStart), Piece::Bend(first, rc, 90, -turnDown),
                 Piece::Bend(second, rc, phi - 180, turnBack), Piece::Straight({a, second.y}, 270, last)};
  return line;
}

// S shape: two opposite bends offset the duct by P; an offset larger than
// both bends together is made up by a straight between two quarter bends.
Result SLine(const FlexInput& in, const Outline& o, double rc) {
  const double p = in.offset;
  CentreLine line;
  line.collarRunsOn = true;
  line.pieces.push_back(FirstStraight(o, kStraightStart));
  double last;
  Vec end;
  if (p > 2 * rc) {
    line.pieces.push_back(Piece::Bend({kStraightStart, -rc}, rc, 90, -90));
    line.pieces.push_back(Piece::Straight({kStraightStart + rc, -rc}, 270, p - 2 * rc));
    line.pieces.push_back(Piece::Bend({kStraightStart + 2 * rc, rc - p}, rc, 180, 90));
    last = in.length - kStraightStart - 3.14159 * rc - (p - 2 * rc);
    end = {kStraightStart + 2 * rc, -p};
  } else {
    const double x = 2 * std::sqrt(rc * rc - (rc - p / 2) * (rc - p / 2));
    const double delta = figure::VectorAngle(kStraightStart, -rc, kStraightStart + x, rc - p);
    line.pieces.push_back(Piece::Bend({kStraightStart, -rc}, rc, 90, -(90 - delta)));
    line.pieces.push_back(Piece::Bend({kStraightStart + x, rc - p}, rc, 180 + delta, 90 - delta));
    last = in.length - kStraightStart - 2 * rc * Rad(90 - delta);
    end = {kStraightStart + x, -p};
  }
  // The insulated kind needs 100 for its last run; the metal one at least
  // room for the end collar.
  if (!(last >= (o.insulated ? kStraightStart : kCollar))) return FlexRefusal{kLengthMessage};
  line.pieces.push_back(Piece::Straight(end, 0, last));
  return line;
}

// S shape with an offset of at most D/2: no bends, but one slanted run
// between the collars (the insulated kind between the jacket's straight
// ends at 100 from each end). Its sides are parallel, the width apart, and
// each meets the opposite collar's side a distance d from its end.
std::optional<FlexRefusal> BuildSlanted(figure::Figure& f, const FlexInput& in, const Outline& o) {
  const double l = in.length, p = in.offset, w = o.w;
  const double from = o.insulated ? kStraightStart : kCollar, to = l - from, run = to - from;
  // tan(α/2) from tan α = P / (run − d) and d = 2w·tan(α/2).
  const double disc = run * run + p * (p - 4 * w);
  if (!(run > 0) || disc < 0) return FlexRefusal{kLengthMessage};
  const double half = p / (run + std::sqrt(disc)), d = 2 * w * half;
  if (!(run - d > 0)) return FlexRefusal{kLengthMessage};
  const double slope = -2 * std::atan(half) * figure::kDegreesPerRadian;

  f.SetFrame(l + w + o.h, l + w + o.h, l + w + o.h, l + w + o.h);
  const Piece end = Piece::Straight({0, -p}, 0, l);
  StartCollar(f, o.h, o.insulated ? kCollar : kCollar + d, kCollar);
  EndCollar(f, end, o.h, o.insulated ? 0 : d);
  if (o.insulated) {
    StartJacket(f, o, d);
    EndJacket(f, end, o);
    Line(f, {to, w - p}, {l - kCollar - kJacket, w - p});
    Line(f, {to - d, -w - p}, {l - kCollar - kJacket, -w - p});
  }
  Line(f, {from + d, w}, {to, w - p});
  Line(f, {from, -w}, {to - d, -w - p});
  if (!in.bellows) return std::nullopt;
  const Vec across = Dir(slope + 90);
  const Vec start = Vec{from, -w} + w * across, finish = Vec{to, w - p} - w * across;
  const Piece slant = Piece::Straight(start, slope, Dot(finish - start, Dir(slope)));
  if (o.insulated) Across(f, slant, 0, w);
  for (int k = 1; k * in.pitch < slant.length; ++k) Across(f, slant, k * in.pitch, w);
  if (o.insulated) Across(f, slant, slant.length, w);
  return std::nullopt;
}

}  // namespace

std::optional<FlexRefusal> BuildFlexDuct(figure::Figure& f, const FlexInput& in) {
  const double d = in.diameter;
  if (!(in.length > 0) || !(d > 0)) return FlexRefusal{};
  if (!(in.ratio >= 1)) return FlexRefusal{kCentreRadiusMessage};
  if (!in.sShape && !(in.angle > 0 && in.angle < 180)) return FlexRefusal{};
  if (in.bellows && !(in.pitch > 0)) return FlexRefusal{kPitchMessage};
  const Outline o{in.insulated, d / 2, d / 2 + (in.insulated ? kJacket : 0), in.insulated ? kStraightStart : kCollar,
                  in.insulated ? kCollar + kJacket : kCollar};
  const double rc = d * in.ratio;
  // The insulated kind bends its two-bend shapes about the jacket's diameter.
  const double rcTwoBends = in.insulated ? (d + 2 * kJacket) * in.ratio : rc;
  Result result;
  if (in.sShape) {
    if (in.offset < 0) return FlexRefusal{kOffsetMessage};
    if (in.offset <= d / 2) return BuildSlanted(f, in, o);
    result = SLine(in, o, rcTwoBends);
  } else if (in.angle == 90 && rc + kStraightStart > in.distance) {
    result = ReducingLine(in, o, rcTwoBends);
  } else {
    result = BendLine(in, o, rc);
  }
  if (const auto* refusal = std::get_if<FlexRefusal>(&result)) return *refusal;
  const double reach = in.length + o.w + o.h;
  f.SetFrame(reach, reach, reach, reach);
  Draw(f, std::get<CentreLine>(result), in, o);
  return std::nullopt;
}

}  // namespace duct
