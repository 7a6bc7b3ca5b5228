"""Plan-view symbols of pipe fittings, valves and round-duct parts, drawn to
scale in millimetres with the placement point at the origin, y upwards.

A drawing is a list of ("line", kind, x1, y1, x2, y2) and
("arc", kind, cx, cy, r, a1, a2) with the line kinds SOLID, HIDDEN and
CENTRE; arcs run counter-clockwise in degrees.

Pipes are drawn as two lines a pipe's outer diameter apart, so every part
leaves each of its ends (its ports) on the centre line with the pipe's outer
diameter: a pipe drawn from there meets it. A port is a leg from the origin:
its direction, centre-to-end length, the pipe it takes and how its end is
made (socket, threaded bead, flange, weld, hub ...).
"""

import math

SOLID, HIDDEN, CENTRE = 1, 2, 5
CENTRE_OVERRUN = 4  # how far a centre line runs past the part's end


def line(kind, x1, y1, x2, y2):
    return ("line", kind, x1, y1, x2, y2)


def arc(kind, cx, cy, r, a1, a2):
    """An arc counter-clockwise from a1 to a2; equal angles make a circle."""
    if (a2 - a1) % 360 == 0:
        return ("arc", kind, cx, cy, r, 0, 360)
    return ("arc", kind, cx, cy, r, a1 % 360, a2 % 360)


def circle(kind, cx, cy, r):
    return ("arc", kind, cx, cy, r, 0, 360)


def polyline(kind, points, closed=False):
    pts = list(points) + ([points[0]] if closed else [])
    return [line(kind, *p, *q) for p, q in zip(pts, pts[1:])]


def rect(kind, x1, y1, x2, y2):
    return polyline(kind, [(x1, y1), (x2, y1), (x2, y2), (x1, y2)], closed=True)


def moved(items, dx=0.0, dy=0.0, turn=0.0):
    """The items turned by `turn` degrees about the origin, then moved."""
    c, s = math.cos(math.radians(turn)), math.sin(math.radians(turn))

    def at(x, y):
        return (x * c - y * s + dx, x * s + y * c + dy)

    out = []
    for item in items:
        if item[0] == "line":
            _, kind, x1, y1, x2, y2 = item
            out.append(line(kind, *at(x1, y1), *at(x2, y2)))
        else:
            _, kind, cx, cy, r, a1, a2 = item
            out.append(arc(kind, *at(cx, cy), r, a1 + turn, a2 + turn))
    return out


class Leg:
    """A frame along direction `angle` from the origin: P(t, s) is t along the
    leg and s to its left."""

    def __init__(self, angle):
        self.angle = angle
        self.u = (math.cos(math.radians(angle)), math.sin(math.radians(angle)))
        self.n = (-self.u[1], self.u[0])

    def p(self, t, s):
        return (t * self.u[0] + s * self.n[0], t * self.u[1] + s * self.n[1])

    def seg(self, kind, t1, s1, t2, s2):
        return line(kind, *self.p(t1, s1), *self.p(t2, s2))

    def band(self, kind, t1, t2, h):
        """The outline of a collar from t1 to t2, h either side."""
        return [self.seg(kind, t1, -h, t2, -h), self.seg(kind, t1, h, t2, h),
                self.seg(kind, t1, -h, t1, h), self.seg(kind, t2, -h, t2, h)]


# --------------------------------------------------------------- port ends
# An end is made from the port's outer end inwards. end(leg, a, d) returns
# (t where the body outline stops, items drawn for the end).

def plain_end(leg, a, d):
    """A welded or spigot end: the body runs to the end."""
    return a, [leg.seg(SOLID, a, -d / 2, a, d / 2)]


def socket_end(depth, half, lip=0.0):
    """A socket the pipe slides into `depth` deep, `half` either side of the
    centre; `lip` adds a ring of that width at the mouth (a press or
    expansion bead)."""
    def end(leg, a, d):
        items = leg.band(SOLID, a - depth, a, half)
        if lip:
            items += leg.band(SOLID, a - lip, a, half + max(1.0, 0.06 * d))
        items += [leg.seg(HIDDEN, a - depth, -d / 2, a, -d / 2), leg.seg(HIDDEN, a - depth, d / 2, a, d / 2)]
        return a - depth, items
    return end


def bead_end(width, half, engage):
    """A threaded end of a malleable fitting: the bead round its mouth and
    the pipe's thread screwed in `engage` deep."""
    def end(leg, a, d):
        items = leg.band(SOLID, a - width, a, half)
        items += [leg.seg(HIDDEN, a - engage, -d / 2, a, -d / 2), leg.seg(HIDDEN, a - engage, d / 2, a, d / 2),
                  leg.seg(HIDDEN, a - engage, -d / 2, a - engage, d / 2)]
        return a - width, items
    return end


def male_end(length, engage):
    """A threaded spigot (street elbow, nipple, adapter): pipe size, the thread
    shown by a line `engage` from the end."""
    def end(leg, a, d):
        r = d / 2
        items = [leg.seg(SOLID, a - length, -r, a, -r), leg.seg(SOLID, a - length, r, a, r),
                 leg.seg(SOLID, a, -r, a, r), leg.seg(HIDDEN, a - engage, -r, a - engage, r)]
        return a - length, items
    return end


def flange_end(thickness, outer, hub=0.0, bolts=()):
    """A flange `outer` across, `thickness` thick, with a hub of `hub` length
    behind it; `bolts` are the bolt-circle offsets drawn as hidden lines."""
    def end(leg, a, d):
        items = leg.band(SOLID, a - thickness, a, outer / 2)
        for s in bolts:
            items.append(leg.seg(HIDDEN, a - thickness, s, a, s))
        return a - thickness - hub, items + (leg.band(SOLID, a - thickness - hub, a - thickness, d / 2 + max(
            2.0, 0.06 * d)) if hub else [])
    return end


def hub_end(depth, half, bead):
    """The hub (受口) of a cast iron drainage fitting: a socket with a bead at
    its mouth, the pipe's spigot inside."""
    def end(leg, a, d):
        items = leg.band(SOLID, a - depth, a, half)
        items += leg.band(SOLID, a - bead, a, half + max(2.0, 0.05 * d))
        items += [leg.seg(HIDDEN, a - depth, -d / 2, a, -d / 2), leg.seg(HIDDEN, a - depth, d / 2, a, d / 2)]
        return a - depth, items
    return end


def gland_end(depth, half, flange, thickness, bolt_offsets=()):
    """A mechanical joint: the socket with its gland (押輪) bolted against it;
    a detailed drawing adds the bolts."""
    def end(leg, a, d):
        items = leg.band(SOLID, a - depth, a - thickness, half)
        items += leg.band(SOLID, a - depth - thickness, a - depth, flange / 2)
        items += leg.band(SOLID, a - thickness, a, flange / 2)
        for s in bolt_offsets:
            items += [leg.seg(SOLID, a - depth - thickness - 3, s, a + 3, s)]
        items += [leg.seg(HIDDEN, a - depth, -d / 2, a, -d / 2), leg.seg(HIDDEN, a - depth, d / 2, a, d / 2)]
        return a - depth - thickness, items
    return end


class Port:
    def __init__(self, angle, a, d, body, end, stub=0.0):
        """A leg at `angle` degrees, `a` from the origin to its end, for a pipe
        of outer diameter `d`, body `body` either side of its centre line;
        `stub` is the length of straight pipe of a combined fitting."""
        self.leg, self.a, self.d, self.body, self.end, self.stub = Leg(angle), a, d, body, end, stub


def junction(ports, centre_lines=True, rounded=True):
    """The body joining the ports, each port's end, its combined straight pipe
    and the centre lines."""
    out, reach = [], {}
    for port in ports:
        stop, items = port.end(port.leg, port.a, port.d)
        reach[id(port)] = stop
        out += items
        if port.stub:
            for s in (-port.d / 2, port.d / 2):
                out.append(port.leg.seg(SOLID, port.a, s, port.a + port.stub, s))
    legs = sorted(ports, key=lambda port: port.leg.angle % 360)
    if len(legs) == 1:
        port = legs[0]
        t, h = reach[id(port)], port.body
        out += [port.leg.seg(SOLID, t, -h, 0, -h), port.leg.seg(SOLID, t, h, 0, h), port.leg.seg(SOLID, 0, -h, 0, h)]
    for i, p in enumerate(legs if len(legs) > 1 else []):
        q = legs[(i + 1) % len(legs)]
        gap = (q.leg.angle - p.leg.angle) % 360 or 360
        tp, tq = reach[id(p)], reach[id(q)]
        start, end = p.leg.p(tp, p.body), q.leg.p(tq, -q.body)
        if abs(gap - 180) < 1e-9:
            if abs(p.body - q.body) < 1e-9:
                out.append(line(SOLID, *start, *end))
            else:
                out += polyline(SOLID, [start, p.leg.p(0, p.body), q.leg.p(0, -q.body), end])
        elif gap > 180 and rounded and abs(p.body - q.body) < 1e-9:
            out.append(line(SOLID, *start, *p.leg.p(0, p.body)))
            out.append(line(SOLID, *q.leg.p(0, -q.body), *end))
            out.append(arc(SOLID, 0, 0, p.body, p.leg.angle + 90, p.leg.angle + 90 + gap - 180))
        else:
            corner = meet(p.leg.p(0, p.body), p.leg.u, q.leg.p(0, -q.body), q.leg.u)
            out += polyline(SOLID, [start, corner, end])
    if centre_lines:
        for port in ports:
            out.append(port.leg.seg(CENTRE, 0, 0, port.a + port.stub + CENTRE_OVERRUN, 0))
    return out


def meet(p, u, q, v):
    """Where the line p + t u meets the line q + s v."""
    den = u[0] * v[1] - u[1] * v[0]
    t = ((q[0] - p[0]) * v[1] - (q[1] - p[1]) * v[0]) / den
    return (p[0] + t * u[0], p[1] + t * u[1])


# ----------------------------------------------------------- bent fittings
# The ends of a swept bend are made from its tangent point outwards:
# end(leg, a, d) returns (t of the outer end, items).

def welded(leg, a, d):
    return a, [leg.seg(SOLID, a, -d / 2, a, d / 2)]


def straight(length, seam=True):
    """A straight end `length` long at the pipe's diameter (a spigot, or the
    sleeve of a duct fitting), with the seam at the tangent point."""
    def end(leg, a, d):
        items = [leg.seg(SOLID, a, -d / 2, a + length, -d / 2), leg.seg(SOLID, a, d / 2, a + length, d / 2),
                 leg.seg(SOLID, a + length, -d / 2, a + length, d / 2)]
        if seam:
            items.append(leg.seg(SOLID, a, -d / 2, a, d / 2))
        return a + length, items
    return end


def swept_bend(turn, radius, d, ends=(welded, welded), gores=0, stub=0.0, stub_end=1):
    """A bend of centre-line radius `radius` turning the flow by `turn`
    degrees: in from -x, out towards `turn`; the placement point is where the
    two centre lines cross. `ends` make the inlet and the outlet, `gores`
    draws the seams of a segmented bend, `stub` a straight pipe on end
    `stub_end` (0 inlet, 1 outlet) of a combined fitting."""
    a = radius * math.tan(math.radians(turn) / 2)
    cx, cy = -a, radius
    out = [arc(SOLID, cx, cy, radius - d / 2, 270, 270 + turn), arc(SOLID, cx, cy, radius + d / 2, 270, 270 + turn),
           arc(CENTRE, cx, cy, radius, 270, 270 + turn)]
    for i, leg in enumerate((Leg(180), Leg(turn))):
        reach, items = ends[i](leg, a, d)
        out += items
        extra = stub if (stub and i == stub_end) else 0.0
        if extra:
            out += [leg.seg(SOLID, reach, -d / 2, reach + extra, -d / 2), leg.seg(SOLID, reach, d / 2, reach + extra,
                                                                                  d / 2)]
        out.append(leg.seg(CENTRE, a, 0, reach + extra + CENTRE_OVERRUN, 0))
    for k in range(1, gores):
        angle = math.radians(270 + turn * k / gores)
        c, s = math.cos(angle), math.sin(angle)
        out.append(line(SOLID, cx + (radius - d / 2) * c, cy + (radius - d / 2) * s,
                        cx + (radius + d / 2) * c, cy + (radius + d / 2) * s))
    return out


# ------------------------------------------------------------ straight parts

def reducer(d1, d2, length, ends1=None, ends2=None, eccentric=False, straight=0.0, stub=0.0):
    """A reducer from d1 (left) to d2 (right), `length` long overall with
    `straight` parallel parts at both ends; the origin at its middle."""
    x1, x2 = -length / 2, length / 2
    shift = (d1 - d2) / 2 if eccentric else 0.0  # eccentric: flat on the bottom
    lo1, hi1 = -d1 / 2, d1 / 2
    lo2, hi2 = -d2 / 2 - shift, d2 / 2 - shift
    if eccentric:
        lo1, hi1, lo2, hi2 = -d1 / 2, d1 / 2, -d1 / 2, -d1 / 2 + d2
    out = polyline(SOLID, [(x1, lo1), (x1 + straight, lo1), (x2 - straight, lo2), (x2, lo2)])
    out += polyline(SOLID, [(x1, hi1), (x1 + straight, hi1), (x2 - straight, hi2), (x2, hi2)])
    out += [line(SOLID, x1, lo1, x1, hi1), line(SOLID, x2, lo2, x2, hi2)]
    mid2 = (lo2 + hi2) / 2
    out += [line(CENTRE, x1 - CENTRE_OVERRUN, 0, x2 - straight, 0 if not eccentric else 0)]
    if eccentric:
        out += [line(CENTRE, x2 - straight, mid2, x2 + stub + CENTRE_OVERRUN, mid2)]
    else:
        out[-1] = line(CENTRE, x1 - CENTRE_OVERRUN, 0, x2 + stub + CENTRE_OVERRUN, 0)
    if stub:
        out += [line(SOLID, x2, lo2, x2 + stub, lo2), line(SOLID, x2, hi2, x2 + stub, hi2)]
    return out


def cap(depth, half, d, crown):
    """A cap on a pipe coming from -x: its socket `depth` deep ends at the
    origin, closed by a crown `crown` high (flat when 0)."""
    out = [line(SOLID, -depth, -half, 0, -half), line(SOLID, -depth, half, 0, half),
           line(SOLID, -depth, -half, -depth, half),
           line(HIDDEN, -depth, -d / 2, 0, -d / 2), line(HIDDEN, -depth, d / 2, 0, d / 2)]
    if crown:
        r = (half * half + crown * crown) / (2 * crown)
        angle = math.degrees(math.asin(half / r))
        out.append(arc(SOLID, crown - r, 0, r, 360 - angle, angle))
    else:
        out.append(line(SOLID, 0, -half, 0, half))
    out.append(line(CENTRE, -depth - CENTRE_OVERRUN, 0, crown + CENTRE_OVERRUN, 0))
    return out


def hexagon_side(x1, x2, half):
    """A hexagon seen across its flats from the side: three faces."""
    return rect(SOLID, x1, -half, x2, half) + [line(SOLID, x1, half / 2, x2, half / 2),
                                                line(SOLID, x1, -half / 2, x2, -half / 2)]


# -------------------------------------------------------- flexible joints

def corrugation(x1, x2, half, depth, pitch):
    """Both sides of a corrugated hose or bellows from x1 to x2: a zigzag
    `depth` deep between half - depth and half."""
    count = max(2, int(round((x2 - x1) / pitch)))
    step = (x2 - x1) / count
    out = []
    for s in (-1, 1):
        pts = []
        for k in range(count + 1):
            pts.append((x1 + k * step, s * (half if k % 2 == 0 else half - depth)))
        out += polyline(SOLID, pts)
    return out


def bulge(x1, x2, half, rise):
    """A rubber sphere from x1 to x2 bulging `rise` beyond `half` on both
    sides."""
    chord = (x2 - x1) / 2
    r = (chord * chord + rise * rise) / (2 * rise)
    angle = math.degrees(math.asin(min(1.0, chord / r)))
    mid = (x1 + x2) / 2
    return [arc(SOLID, mid, half + rise - r, r, 90 - angle, 90 + angle),
            arc(SOLID, mid, -half - rise + r, r, 270 - angle, 270 + angle)]
