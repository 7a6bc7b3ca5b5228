"""How the fittings of one kind of joint are drawn: a kit turns a family's
dimension row (see catalogue_tables.py) into ports and bodies, and draws the
usual fittings (elbows, tees, Y branches, sockets, caps ...) from them.

A row is a dict of the family table's columns for one nominal size, with
"size" (the nominal size text) and "d" (the pipe's outer diameter).
"""

import math

from catalogue_shapes import (CENTRE, CENTRE_OVERRUN, HIDDEN, SOLID, Leg, Port, arc, bead_end, bulge, cap, circle,
                              corrugation,
                              flange_end, gland_end, hexagon_side, hub_end, junction, line, male_end, plain_end,
                              polyline, rect, reducer, socket_end, straight, swept_bend)


def stub_length(d):
    """The straight pipe drawn on a combined fitting."""
    return round(1.2 * d + 20)


def outward(end, length):
    """An inward-made end placed on the tangent point of a swept bend: the
    end occupies `length` beyond the tangent; the body at the pipe's
    diameter fills the rest."""
    def made(leg, a, d):
        stop, items = end(leg, a + length, d)
        if stop > a + 1e-9:
            items = items + [leg.seg(SOLID, a, -d / 2, stop, -d / 2), leg.seg(SOLID, a, d / 2, stop, d / 2)]
        return a + length, items
    return made


class Kit:
    """Fittings whose body is a junction of straight legs."""
    rounded = True

    def end(self, row):
        raise NotImplementedError

    def body(self, row):
        raise NotImplementedError

    def port(self, angle, a, row, stub=False, end=None):
        return Port(angle, a, row["d"], self.body(row), end or self.end(row), stub_length(row["d"]) if stub else 0)

    def draw(self, ports):
        return junction(ports, rounded=self.rounded)

    # centre-to-end lengths
    def a90(self, row):
        return row["A90"]

    def a45(self, row):
        return row["A45"]

    def branch_a(self, m, b):
        """Centre to the branch end of a reducing tee (approximate: between
        the two equal tees)."""
        return (self.a90(m) + self.a90(b)) / 2 if b is not m else self.a90(m)

    def elbow(self, turn, m, b=None, stub=None):
        """In from -x, out towards `turn`; a reducing elbow takes the branch
        size on its outlet. `stub` 0 or 1 puts the straight pipe on the inlet
        or the outlet."""
        b = b or m
        a = self.a90 if turn == 90 else self.a45
        am = ab = a(m) if b is m else (a(m) + a(b)) / 2
        return self.draw([self.port(180, am, m, stub == 0), self.port(turn, ab, b, stub == 1)])

    def tee(self, m, b, stub=None):
        """Run along x, branch up; `stub` "run" or "branch"."""
        return self.draw([self.port(180, self.a90(m), m), self.port(0, self.a90(m), m, stub == "run"),
                          self.port(90, self.branch_a(m, b), b, stub == "branch")])

    def end_reach(self, row):
        """How far an end reaches in from the mouth of its port."""
        stop, _ = self.end(row)(Leg(0), 1000.0, row["d"])
        return 1000.0 - stop

    def wye_run(self, m, b, angle):
        """Centre to the run's ends of a Y: the run must still be body where
        the branch leaves it."""
        corner = self.body(b) / math.sin(math.radians(angle)) + self.body(m) / math.tan(math.radians(angle))
        return max(self.a90(m), corner + self.end_reach(m) + 2)

    def wye(self, m, b, stub=None, angle=45):
        """Run along x, branch at `angle` to the flow."""
        a = self.wye_run(m, b, angle)
        return self.draw([self.port(180, a, m), self.port(0, a, m, stub == "run"),
                          self.port(angle, self.branch_a(m, b) * 1.2, b, stub == "branch")])

    def cross(self, m, b):
        return self.draw([self.port(180, self.a90(m), m), self.port(0, self.a90(m), m),
                          self.port(90, self.branch_a(m, b), b), self.port(270, self.branch_a(m, b), b)])

    def half_socket(self, row):
        """Half the length of a straight socket."""
        return row["L"] / 2

    def socket(self, m, b=None):
        b = b or m
        half = self.half_socket(m)
        if b is m:
            return self.draw([self.port(180, half, m), self.port(0, half, m)])
        return self.draw([self.port(180, half, m), self.port(0, self.half_socket(b) + 0.15 * m["d"], b)])

    def cap(self, m):
        return cap(self.half_socket(m), self.body(m) + 1, m["d"], 0.15 * m["d"] + 2)


class Screwed(Kit):
    """Malleable iron screwed fittings: a bead round each mouth, the pipe's
    thread inside."""

    def body(self, row):
        return row["d"] / 2 + row["wall"]

    def end(self, row):
        return bead_end(row["bead"], self.body(row) + row["rise"], row["engage"])

    def male(self, row):
        return male_end(row["engage"] + 4, row["engage"])

    def street_elbow(self, turn, m):
        """A street elbow: female inlet, male outlet."""
        a = self.a90(m) if turn == 90 else self.a45(m)
        return self.draw([self.port(180, a, m), self.port(turn, a + m["engage"] * 0.6, m, end=self.male(m))])

    def nipple(self, m, b=None, hexagon=True):
        """A (hexagon) nipple: male ends either side of a hexagon."""
        b = b or m
        half_hex = self.body(m) + m["rise"]
        hx = m["bead"] * 1.4 if hexagon else 0
        out = hexagon_side(-hx / 2, hx / 2, half_hex) if hexagon else []
        for sign, row in ((-1, m), (1, b)):
            e = row["engage"] + 3
            x1, x2 = sign * hx / 2, sign * (hx / 2 + e)
            out += [line(SOLID, x1, -row["d"] / 2, x2, -row["d"] / 2), line(SOLID, x1, row["d"] / 2, x2, row["d"] / 2),
                    line(SOLID, x2, -row["d"] / 2, x2, row["d"] / 2)]
            out.append(line(HIDDEN, x2 - sign * row["engage"], -row["d"] / 2, x2 - sign * row["engage"], row["d"] / 2))
        if not hexagon:
            out.append(line(SOLID, 0, -m["d"] / 2, 0, m["d"] / 2))
        span = hx / 2 + max(m["engage"], b["engage"]) + 3
        out.append(line(CENTRE, -span - CENTRE_OVERRUN, 0, span + CENTRE_OVERRUN, 0))
        return out

    def bushing(self, m, b):
        """A hexagon bushing: male thread of the larger size (towards -x), the
        smaller pipe screwed into its hexagon head."""
        hx = m["bead"] * 1.2
        half = b["d"] / 2 + b["wall"] + b["rise"] + 2
        e = m["engage"] + 3
        out = hexagon_side(0, hx, max(half, m["d"] / 2 + 2))
        out += [line(SOLID, 0, -m["d"] / 2, -e, -m["d"] / 2), line(SOLID, 0, m["d"] / 2, -e, m["d"] / 2),
                line(SOLID, -e, -m["d"] / 2, -e, m["d"] / 2)]
        out += [line(HIDDEN, hx - b["engage"], -b["d"] / 2, hx, -b["d"] / 2),
                line(HIDDEN, hx - b["engage"], b["d"] / 2, hx, b["d"] / 2)]
        out.append(line(CENTRE, -e - CENTRE_OVERRUN, 0, hx + CENTRE_OVERRUN, 0))
        return out

    def plug(self, m):
        """A plug screwed into a fitting on the -x side: square head."""
        head = m["bead"] * 1.2
        e = m["engage"] + 2
        out = rect(SOLID, 0, -m["d"] * 0.3, head, m["d"] * 0.3)
        out += [line(SOLID, 0, -m["d"] / 2, -e, -m["d"] / 2), line(SOLID, 0, m["d"] / 2, -e, m["d"] / 2),
                line(SOLID, -e, -m["d"] / 2, -e, m["d"] / 2), line(SOLID, 0, -m["d"] / 2, 0, m["d"] / 2)]
        out.append(line(CENTRE, -e - CENTRE_OVERRUN, 0, head + CENTRE_OVERRUN, 0))
        return out

    def union(self, m):
        """A union: the nut between its two halves."""
        half = self.half_socket(m)
        body, nut = self.body(m), self.body(m) + m["rise"] + 0.12 * m["d"] + 2
        out = []
        for s in (-1, 1):
            leg = Leg(90 - s * 90)
            _, items = self.end(m)(leg, half, m["d"])
            out += items
            out += [leg.seg(SOLID, half - m["bead"], -body, 0, -body), leg.seg(SOLID, half - m["bead"], body, 0, body)]
        w = half * 0.5
        out += hexagon_side(-w / 2, w / 2, nut) + [line(SOLID, w / 2 + 2, -body, w / 2 + 2, body)]
        out.append(line(CENTRE, -half - CENTRE_OVERRUN, 0, half + CENTRE_OVERRUN, 0))
        return out

    def flange(self, m, rating, pair=False):
        """A screwed flange on the pipe from -x, its face at the origin; a pair
        adds the mating flange and the bolts."""
        thickness, outer, pcd = rating_of(m, rating)
        hub = m["engage"] * 0.6
        out = flange_pair(m["d"], thickness, outer, pcd, hub, pair, self.body(m) + 2)
        out.append(line(HIDDEN, -m["engage"], -m["d"] / 2, -m["engage"], m["d"] / 2))
        return out


def rating_of(row, rating):
    return row["t" + rating], row["D" + rating], row["C" + rating]


def flange_pair(d, thickness, outer, pcd, hub, pair, hub_half):
    """One flange (face at the origin, pipe from -x) or a pair bolted
    together, with the bolts across the bolt circle."""
    out = rect(SOLID, -thickness, -outer / 2, 0, outer / 2)
    if hub:
        out += rect(SOLID, -thickness - hub, -hub_half, -thickness, hub_half)
    left = -thickness - hub
    right = 0
    if pair:
        out += rect(SOLID, 1.5, -outer / 2, 1.5 + thickness, outer / 2)
        if hub:
            out += rect(SOLID, 1.5 + thickness, -hub_half, 1.5 + thickness + hub, hub_half)
        right = 1.5 + thickness + hub
        for s in (-1, 1):
            out.append(line(SOLID, -thickness - 4, s * pcd / 2, 1.5 + thickness + 4, s * pcd / 2))
    else:
        for s in (-1, 1):
            out.append(line(HIDDEN, -thickness, s * pcd / 2, 0, s * pcd / 2))
    out += [line(HIDDEN, left, -d / 2, right, -d / 2), line(HIDDEN, left, d / 2, right, d / 2)]
    out.append(line(CENTRE, left - CENTRE_OVERRUN, 0, right + CENTRE_OVERRUN, 0))
    return out


def blind_flange(d, thickness, outer, pcd):
    """A blind flange closing the pipe from -x, face at the origin."""
    out = rect(SOLID, 0, -outer / 2, thickness, outer / 2)
    out += [line(HIDDEN, 0, s * pcd / 2, thickness, s * pcd / 2) for s in (-1, 1)]
    out.append(line(CENTRE, -CENTRE_OVERRUN, 0, thickness + CENTRE_OVERRUN, 0))
    return out


class Socketed(Kit):
    """Fittings the pipe slides into: PVC solvent or drainage sockets, copper
    solder cups, stainless press or expansion sockets."""

    def __init__(self, lip=False):
        self.lip = lip

    def body(self, row):
        return row["d"] / 2 + row["wall"]

    def end(self, row):
        return socket_end(row["depth"], row["d"] / 2 + row["cup"], row["lip"] if self.lip else 0.0)

    def a90(self, row):
        return row["A90"]

    def socket(self, m, b=None):
        b = b or m
        if b is m:
            a = m["depth"] + m["gap"]
            return self.draw([self.port(180, a, m), self.port(0, a, m)])
        return self.draw([self.port(180, m["depth"] + m["gap"], m), self.port(0, b["depth"] + m["gap"] + 0.3 * (
            m["d"] - b["d"]), b)])

    def cap(self, m):
        return cap(m["depth"] + m["gap"], m["d"] / 2 + m["cup"], m["d"], 0.12 * m["d"] + 2)

    def street_elbow(self, turn, m, stub=None):
        """One socket and one spigot at the pipe's size (片受け / 片ソケット)."""
        a = self.a90(m) if turn == 90 else self.a45(m)
        spigot = male_end(m["depth"] + 2, m["depth"])
        return self.draw([self.port(180, a, m, stub == 0), self.port(turn, a + m["depth"] * 0.5, m, stub == 1,
                                                                     end=spigot)])

    def threaded_adapter(self, m, male):
        """A socket on -x and a screwed end (male, or a female hexagon) on +x;
        the origin between them."""
        leg = Leg(180)
        d = m["d"]
        out = []
        _, items = self.end(m)(leg, m["depth"] + 2, d)
        out += items
        hx = max(8.0, 0.35 * d)
        half = d / 2 + m["cup"] + 2
        out += hexagon_side(0, hx, half) + [line(SOLID, -2, -self.body(m), 0, -self.body(m)),
                                             line(SOLID, -2, self.body(m), 0, self.body(m))]
        thread = max(10.0, 0.4 * d)
        if male:
            out += [line(SOLID, hx, -d * 0.45, hx + thread, -d * 0.45), line(SOLID, hx, d * 0.45, hx + thread, d * 0.45),
                    line(SOLID, hx + thread, -d * 0.45, hx + thread, d * 0.45),
                    line(HIDDEN, hx + thread * 0.3, -d * 0.45, hx + thread * 0.3, d * 0.45)]
            reach = hx + thread
        else:
            out += rect(SOLID, hx, -half * 0.9, hx + thread, half * 0.9)
            out += [line(HIDDEN, hx, -d * 0.4, hx + thread, -d * 0.4), line(HIDDEN, hx, d * 0.4, hx + thread, d * 0.4)]
            reach = hx + thread
        out.append(line(CENTRE, -m["depth"] - 2 - CENTRE_OVERRUN, 0, reach + CENTRE_OVERRUN, 0))
        return out

    def faucet_elbow(self, m, seat):
        """A faucet elbow: socket from -x, female thread upwards for the tap
        (with a wall seat when `seat`)."""
        out = self.draw([self.port(180, self.a90(m), m)] + [Port(90, self.a90(m), m["d"], self.body(m),
                                                                 female_thread(m))])
        if seat:
            w = self.body(m) * 2.4
            out += rect(SOLID, -w / 2, self.a90(m) * 0.35, w / 2, self.a90(m) * 0.5)
        return out

    def faucet_socket(self, m):
        """A faucet socket: socket from -x, female thread on +x."""
        a = m["depth"] + m["gap"]
        return self.draw([self.port(180, a, m), Port(0, a, m["d"], self.body(m), female_thread(m))])

    def faucet_tee(self, m):
        a = self.a90(m)
        return self.draw([self.port(180, a, m), self.port(0, a, m), Port(90, a, m["d"], self.body(m),
                                                                         female_thread(m))])

    def union(self, m):
        """A union: two sockets and the nut between them."""
        a = m["depth"] + m["gap"] + 0.3 * m["d"] + 4
        out = self.draw([self.port(180, a, m), self.port(0, a, m)])
        nut = m["d"] / 2 + m["cup"] + 0.12 * m["d"] + 3
        w = 0.5 * m["d"] + 6
        return out + hexagon_side(-w / 2, w / 2, nut)


def female_thread(row):
    """A female threaded mouth (for a tap or a valve)."""
    depth = max(10.0, 0.5 * row["depth"])
    half = row["d"] / 2 + row["cup"] + 1

    def end(leg, a, d):
        items = leg.band(SOLID, a - depth, a, half)
        items += [leg.seg(HIDDEN, a - depth, -d * 0.4, a, -d * 0.4), leg.seg(HIDDEN, a - depth, d * 0.4, a, d * 0.4)]
        return a - depth, items
    return end


class Welded(Kit):
    """Butt-welding fittings: the body is the pipe's own diameter, elbows are
    swept bends."""
    rounded = False

    def body(self, row):
        return row["d"] / 2

    def end(self, row):
        return plain_end

    def elbow(self, turn, m, b=None, stub=None, short=False):
        radius = m["S90" if short else "L90"]
        return swept_bend(turn, radius, m["d"], stub=stub_length(m["d"]) if stub is not None else 0,
                          stub_end=stub if stub is not None else 1)

    def return_bend(self, m, short=False):
        """A 180° return: in from -x at y = 0, back out along -x above."""
        radius = m["S90" if short else "L90"]
        d = m["d"]
        out = [arc(SOLID, 0, radius, radius - d / 2, 270, 90), arc(SOLID, 0, radius, radius + d / 2, 270, 90),
               arc(CENTRE, 0, radius, radius, 270, 90)]
        for y in (0, 2 * radius):
            out += [line(SOLID, 0, y - d / 2, 0, y + d / 2), line(CENTRE, 0, y, -CENTRE_OVERRUN, y)]
        return out

    def tee(self, m, b, stub=None):
        return self.draw([self.port(180, m["C"], m), self.port(0, m["C"], m, stub == "run"),
                          self.port(90, m["C"] if b is m else (m["C"] + b["C"]) / 2 + 0.1 * m["d"], b,
                                    stub == "branch")])

    def reducer(self, m, b, eccentric=False, stub=False):
        return reducer(m["d"], b["d"], m["H"], eccentric=eccentric, straight=0.15 * m["H"],
                       stub=stub_length(b["d"]) if stub else 0)

    def cap(self, m):
        d = m["d"]
        crown = m["E"] - 0.3 * m["E"]
        out = [line(SOLID, -0.3 * m["E"], -d / 2, 0, -d / 2), line(SOLID, -0.3 * m["E"], d / 2, 0, d / 2),
               line(SOLID, -0.3 * m["E"], -d / 2, -0.3 * m["E"], d / 2)]
        r = (d * d / 4 + crown * crown) / (2 * crown)
        angle = math.degrees(math.asin(min(1.0, d / 2 / r)))
        out.append(arc(SOLID, crown - r, 0, r, 360 - angle, angle))
        out.append(line(CENTRE, -0.3 * m["E"] - CENTRE_OVERRUN, 0, crown + CENTRE_OVERRUN, 0))
        return out


class Flanged(Kit):
    """Flanged fittings: 10K flanges on every end."""
    rounded = True

    def body(self, row):
        return row["d"] / 2 + row["wall"]

    def end(self, row):
        return flange_end(row["t10K"], row["D10K"], bolts=(-row["C10K"] / 2, row["C10K"] / 2))

    def reducer(self, m, b):
        length = m["H"]
        out = reducer(self.body(m) * 2, self.body(b) * 2, length - m["t10K"] - b["t10K"])
        out = [item for item in out if item[1] != CENTRE]
        half = (length - m["t10K"] - b["t10K"]) / 2
        for sign, row in ((-1, m), (1, b)):
            x = sign * half
            out += rect(SOLID, x, -row["D10K"] / 2, x + sign * row["t10K"], row["D10K"] / 2)
            out += [line(HIDDEN, x, s * row["C10K"] / 2, x + sign * row["t10K"], s * row["C10K"] / 2) for s in (-1, 1)]
        out.append(line(CENTRE, -length / 2 - CENTRE_OVERRUN, 0, length / 2 + CENTRE_OVERRUN, 0))
        return out

    def spool(self, m):
        """A flanged short pipe (フランジ短管)."""
        length = m["H"]
        return self.draw([self.port(180, length / 2, m), self.port(0, length / 2, m)])


class Glanded(Kit):
    """Mechanical drainage joints: a socket and a gland bolted to it on every
    end; the detailed drawing shows the bolts and the pipe inside."""

    def __init__(self, detailed):
        self.detailed = detailed

    def body(self, row):
        return row["d"] / 2 + row["wall"]

    def end(self, row):
        bolts = (-row["C"] / 2, row["C"] / 2) if self.detailed else ()
        made = gland_end(row["depth"], self.body(row) + 2, row["F"], row["tg"], bolts)
        if self.detailed:
            return made

        def simple(leg, a, d):
            stop, items = made(leg, a, d)
            return stop, [item for item in items if item[1] != HIDDEN]
        return simple

    def half_socket(self, row):
        return row["depth"] + row["tg"] + 6

    def swept(self, turn, m, stub=None):
        """A long-radius (大曲がり) bend with a joint on both ends."""
        length = m["depth"] + m["tg"]
        ends = (outward(self.end(m), length), outward(self.end(m), length))
        return swept_bend(turn, m["R"], m["d"], ends=ends,
                          stub=stub_length(m["d"]) if stub is not None else 0, stub_end=stub if stub is not None else 1)

    def cleanout(self, m):
        """A cleanout: the socket with a plug screwed into it."""
        a = m["depth"] + m["tg"] + 8
        out = self.draw([self.port(180, a, m)])
        out += rect(SOLID, 0, -m["d"] * 0.3, 0.2 * m["d"] + 6, m["d"] * 0.3)
        return out


class CastIron(Kit):
    """Drainage cast iron pipes and fittings: a hub (受口) on the inlet ends,
    a spigot (差口) on the outlet; the detailed drawing shows the spigot
    inside the hub and the joint's bolts."""

    def __init__(self, detailed):
        self.detailed = detailed

    def body(self, row):
        return row["d"] / 2

    def hub(self, row):
        made = hub_end(row["depth"], row["d"] / 2 + row["hub"], row["bead"])
        if self.detailed:
            def with_bolts(leg, a, d):
                stop, items = made(leg, a, d)
                half = row["d"] / 2 + row["hub"] + max(2.0, 0.05 * d)
                items += [leg.seg(SOLID, a - 2, s * (half + 4), a + 6, s * (half + 4)) for s in (-1, 1)]
                return stop, items
            return with_bolts

        def simple(leg, a, d):
            stop, items = made(leg, a, d)
            return stop, [item for item in items if item[1] != HIDDEN]
        return simple

    def end(self, row):
        return plain_end

    def bend(self, turn, m, long=True, double=False, stub=None):
        """A bend with a hub on the inlet (both ends when `double`) and a
        spigot on the outlet."""
        radius = m["RL" if long else "RS"] if turn == 90 else m["RL"]
        length = m["depth"]
        hub = outward(self.hub(m), length)
        out_end = hub if double else straight(m["spigot"], seam=False)
        return swept_bend(turn, radius, m["d"], ends=(hub, out_end),
                          stub=stub_length(m["d"]) if stub is not None else 0, stub_end=stub if stub is not None else 1)

    def branch(self, m, b, angle, long=False, double=False, stub=None):
        """A Y or T: hubs on the run inlet and the branch (both branches when
        `double`), spigot on the run outlet. The branch of a TY or a long TY
        sweeps into the run (drawn as a Y at `angle`)."""
        a = m["A"] * (1.3 if long else 1.0)
        ports = [Port(180, a, m["d"], m["d"] / 2, plain_end, stub_length(m["d"]) if stub == "run" else 0),
                 Port(0, a, m["d"], m["d"] / 2, self.hub(m)),
                 Port(angle, self.branch_length(m, b, angle, long), b["d"], b["d"] / 2, self.hub(b),
                      stub_length(b["d"]) if stub == "branch" else 0)]
        if double:
            ports.append(Port(360 - angle if angle != 90 else 270, self.branch_length(m, b, angle, long), b["d"],
                              b["d"] / 2, self.hub(b)))
        return junction(ports, rounded=False)

    def branch_length(self, m, b, angle, long):
        base = (m["A"] + b["A"]) / 2 * (1.3 if long else 1.0)
        return base * (1.25 if angle != 90 else 1.0)

    def socket(self, m, b=None):
        """A double hub sleeve (両受けソケット)."""
        a = m["depth"] + 10
        return junction([Port(180, a, m["d"], m["d"] / 2 + 2, self.hub(m)),
                         Port(0, a, m["d"], m["d"] / 2 + 2, self.hub(m))])

    def pipe(self, m, double=False):
        """A straight pipe, shown 2 diameters long: hub on -x, spigot (or a
        second hub) on +x."""
        half = m["d"] + m["depth"]
        return junction([Port(180, half, m["d"], m["d"] / 2, self.hub(m)),
                         Port(0, half, m["d"], m["d"] / 2, self.hub(m) if double else plain_end)])

    def cleanout(self, m, bend=None):
        """A cleanout (掃除口) plug screwed into a hub on -x."""
        out = junction([Port(180, m["depth"] + 6, m["d"], m["d"] / 2 + 2, self.hub(m))])
        out += rect(SOLID, 0, -m["d"] * 0.35, 0.15 * m["d"] + 8, m["d"] * 0.35)
        return out

    def cleanout_on_bend(self, m):
        """The cleanout on the outside of a long bend's corner: a short hub
        and its plug."""
        leg = Leg(315)
        centre = (-m["RL"], m["RL"])  # of a 90° bend: centre-to-end equals the radius
        base = m["RL"] + m["d"] / 2
        size = 0.45 * m["d"]
        out = []
        for item in leg.band(SOLID, base - 2, base + 0.25 * m["d"] + 6, size / 2) + leg.band(
                SOLID, base + 0.25 * m["d"] + 6, base + 0.25 * m["d"] + 12, size / 2 * 0.7):
            _, kind, x1, y1, x2, y2 = item
            out.append(line(kind, x1 + centre[0], y1 + centre[1], x2 + centre[0], y2 + centre[1]))
        return out

    def stand(self, m, bend):
        """A bend on its foot (台付): the bend and the foot under its corner."""
        out = bend
        w = m["d"] * 1.2
        y = -m["d"] / 2 - 4
        out += rect(SOLID, -w / 2 - m["RL"] * 0.2, y - 0.15 * m["d"] - 4, w / 2 - m["RL"] * 0.2, y)
        return out


class Duct(Kit):
    """Spiral duct fittings: the fitting's sleeve slides into the duct."""
    rounded = False

    def body(self, row):
        return row["d"] / 2

    def end(self, row):
        sleeve = row["sleeve"]

        def made(leg, a, d):
            return a - sleeve, [leg.seg(SOLID, a - sleeve, -d / 2, a, -d / 2), leg.seg(SOLID, a - sleeve, d / 2, a, d / 2),
                                leg.seg(SOLID, a, -d / 2, a, d / 2), leg.seg(SOLID, a - sleeve, -d / 2, a - sleeve,
                                                                             d / 2)]
        return made

    def bend(self, turn, m, ratio, stub=None):
        """A segmented bend of centre-line radius `ratio` × D."""
        sleeve = straight(m["sleeve"])
        return swept_bend(turn, ratio * m["d"], m["d"], ends=(sleeve, sleeve), gores=4 if turn == 90 else 2,
                          stub=stub_length(m["d"]) if stub is not None else 0, stub_end=stub if stub is not None else 1)

    def a90(self, row):
        return row["A"]

    def branch_a(self, m, b):
        return m["d"] / 2 + b["sleeve"] + 0.25 * b["d"] + 20

    def tee(self, m, b, stub=None):
        a = max(self.a90(m), b["d"] / 2 + m["sleeve"] + 30)
        return self.draw([self.port(180, a, m), self.port(0, a, m, stub == "run"),
                          self.port(90, self.branch_a(m, b), b, stub == "branch")])

    def wye(self, m, b, stub=None, angle=45):
        a = max(self.a90(m), b["d"] * 0.75 + m["sleeve"] + 30)
        return self.draw([self.port(180, a, m), self.port(0, a, m, stub == "run"),
                          self.port(angle, self.branch_a(m, b) * 1.4, b, stub == "branch")])

    def cap_end(self, m):
        """An end cap on the duct from -x."""
        return cap(m["sleeve"], m["d"] / 2 + 1, m["d"] - 2, 0)

    def section(self, m, length):
        """A straight duct piece `length` long, sleeves on both ends."""
        return self.draw([self.port(180, length / 2, m), self.port(0, length / 2, m)])

    def damper(self, m, kind):
        """A damper casing with its blade: "VD" volume (blade, shaft and
        handle), "FD" fire (blade held open by a fuse), "CD" check (hinged
        blade)."""
        d, length = m["d"], m["damper"]
        out = self.section(m, length)
        r = d / 2
        if kind == "VD":
            out += [line(SOLID, -0.3 * r, -0.9 * r, 0.3 * r, 0.9 * r), circle(SOLID, 0, 0, max(2.0, 0.06 * d))]
            out += [line(SOLID, 0, r, 0, r + 0.35 * d), line(SOLID, -0.25 * d, r + 0.35 * d, 0.25 * d, r + 0.35 * d)]
        elif kind == "FD":
            out += [line(SOLID, 0, -0.95 * r, 0, 0.95 * r)]
            out += rect(SOLID, -0.12 * d, r, 0.12 * d, r + 0.18 * d)
            out += [line(SOLID, -0.35 * length, -r, 0.35 * length, r), line(SOLID, -0.35 * length, r, 0.35 * length, -r)]
        else:
            out += [line(SOLID, 0, r, 0.35 * length, -0.8 * r), arc(SOLID, 0, r, 0.6 * d, 270, 300)]
        return out


# ------------------------------------------------------------------ valves
# A valve row: "L" face to face, "B" half the body's height, "H" stem height
# above the body, "W" handwheel or lever; screwed ends take their hexagons
# from "hex" (width) and flanged ends the 10K (or 5K) flange of the size.

def valve_ends(row, flanged, rating="10K"):
    length, d = row["L"], row["d"]
    if flanged:
        thickness, outer, pcd = rating_of(row, rating)
        out = []
        for s in (-1, 1):
            out += rect(SOLID, s * length / 2, -outer / 2, s * (length / 2 - thickness), outer / 2)
            out += [line(HIDDEN, s * length / 2, t * pcd / 2, s * (length / 2 - thickness), t * pcd / 2)
                    for t in (-1, 1)]
        return out, length / 2 - thickness
    width, half = row["hex"], d / 2 + max(3.0, 0.15 * d)
    out = []
    for s in (-1, 1):
        out += hexagon_side(s * length / 2, s * (length / 2 - width), half)
        out += [line(HIDDEN, s * length / 2, t * d / 2, s * (length / 2 - width * 0.8), t * d / 2) for t in (-1, 1)]
    return out, length / 2 - width


def bow_tie(inner, half):
    """The valve symbol: two triangles meeting at the middle."""
    return [line(SOLID, -inner, -half, 0, 0), line(SOLID, -inner, half, 0, 0), line(SOLID, inner, -half, 0, 0),
            line(SOLID, inner, half, 0, 0), line(SOLID, -inner, -half, -inner, half),
            line(SOLID, inner, -half, inner, half)]


def stem_and_wheel(row, top):
    """The stem from the body up to a handwheel seen edge on."""
    y = top + row["H"]
    stem = max(1.5, 0.05 * row["d"] + 1)
    wheel = row["W"]
    return [line(SOLID, -stem, top, -stem, y), line(SOLID, stem, top, stem, y)] + rect(
        SOLID, -wheel / 2, y, wheel / 2, y + max(2.0, 0.08 * wheel)) + [
        line(CENTRE, 0, -row["B"], 0, y + max(2.0, 0.08 * wheel) + CENTRE_OVERRUN)]


def bonnet(row, height=None):
    """The bonnet on top of the body."""
    width = max(row["d"] * 0.9, row["L"] * 0.35)
    height = height if height is not None else 0.35 * row["H"]
    return rect(SOLID, -width / 2, row["B"], width / 2, row["B"] + height), row["B"] + height


def lever_handle(row, top):
    """A lever from the stem along +x."""
    stem = max(1.5, 0.05 * row["d"] + 1)
    y = top + row["H"] * 0.5
    thick = max(2.0, 0.06 * row["W"])
    return [line(SOLID, -stem, top, -stem, y), line(SOLID, stem, top, stem, y)] + rect(
        SOLID, -stem * 2, y, row["W"], y + thick)


def valve_line(row):
    return [line(CENTRE, -row["L"] / 2 - CENTRE_OVERRUN, 0, row["L"] / 2 + CENTRE_OVERRUN, 0)]


def gate_valve(row, flanged, rating="10K"):
    out, inner = valve_ends(row, flanged, rating)
    out += bow_tie(inner, row["B"])
    body, top = bonnet(row)
    return out + body + stem_and_wheel(row, top) + valve_line(row)


def globe_valve(row, flanged, rating="10K"):
    out, inner = valve_ends(row, flanged, rating)
    out += bow_tie(inner, row["B"]) + [circle(SOLID, 0, 0, row["B"] * 0.45)]
    body, top = bonnet(row)
    return out + body + stem_and_wheel(row, top) + valve_line(row)


def angle_valve(row):
    """An angle valve: in from -x, out downwards, handwheel up."""
    d = row["d"]
    a = row["L"] / 2
    width, half = row["hex"], d / 2 + max(3.0, 0.2 * d)
    out = hexagon_side(-a, -a + width, half)
    out += moved_down(hexagon_side(-a, -a + width, half))
    b = row["B"]
    out += polyline(SOLID, [(-a + width, -b), (-b, -b), (-b, -a + width)])
    out += polyline(SOLID, [(-a + width, b), (b, b), (b, -a + width)])
    out += [line(SOLID, -a + width, -b, -a + width, b), line(SOLID, -b, -a + width, b, -a + width)]
    body, top = bonnet(row)
    out += body + stem_and_wheel(row, top)
    out += [line(CENTRE, -a - CENTRE_OVERRUN, 0, 0, 0), line(CENTRE, 0, 0, 0, -a - CENTRE_OVERRUN)]
    return out


def moved_down(items):
    """Items drawn along -x turned to run along -y."""
    out = []
    for item in items:
        _, kind, x1, y1, x2, y2 = item
        out.append(line(kind, y1, x1, y2, x2))
    return out


def check_valve(row, flanged, swing=True):
    """A check valve: the bow-tie with the disc, its cover on top."""
    out, inner = valve_ends(row, flanged)
    b = row["B"]
    out += bow_tie(inner, b)
    if swing:
        out += [line(SOLID, 0, b * 0.9, inner * 0.6, -b * 0.6), circle(SOLID, 0, b * 0.9, max(1.5, 0.04 * row["d"]))]
    else:
        out += rect(SOLID, -b * 0.35, -b * 0.15, b * 0.35, b * 0.15)
    body, _ = bonnet(row, 0.25 * row["H"])
    return out + body + valve_line(row)


def y_strainer(row, flanged):
    """A Y strainer: straight body, the screen leg slanting down to its cap."""
    out, inner = valve_ends(row, flanged)
    b = row["B"]
    out += rect(SOLID, -inner, -b, inner, b)
    leg = Leg(300)
    reach = row["H"] * 0.9
    half = b * 0.7
    out += [leg.seg(SOLID, b * 0.6, -half, reach, -half), leg.seg(SOLID, b * 0.6, half, reach, half)]
    out += leg.band(SOLID, reach, reach + max(4.0, 0.12 * reach), half * 1.15)
    out += [leg.seg(HIDDEN, 0, -half * 0.6, reach, -half * 0.6), leg.seg(HIDDEN, 0, half * 0.6, reach, half * 0.6)]
    out += [leg.seg(CENTRE, 0, 0, reach + 0.12 * reach + CENTRE_OVERRUN + 4, 0)]
    return out + valve_line(row)


def ball_valve(row, flanged):
    out, inner = valve_ends(row, flanged)
    b = row["B"]
    out += bow_tie(inner, b) + [circle(SOLID, 0, 0, b * 0.55)]
    return out + lever_handle(row, b) + valve_line(row)


def butterfly_valve(row, gear, flanged_body=False):
    """A wafer butterfly valve between the pipe's flanges: the short body with
    its disc, the neck, and a lever or a gear box."""
    d, length = row["d"], row["L"]
    half = row["D10K"] / 2 * 0.82
    out = rect(SOLID, -length / 2, -half, length / 2, half)
    out += [line(SOLID, 0, -d / 2, 0, d / 2), line(HIDDEN, -length / 2, -d / 2, length / 2, -d / 2),
            line(HIDDEN, -length / 2, d / 2, length / 2, d / 2)]
    neck = rect(SOLID, -length * 0.3, half, length * 0.3, half + row["H"] * 0.4)
    top = half + row["H"] * 0.4
    if gear:
        box = row["W"] * 0.5
        out += neck + rect(SOLID, -box / 2, top, box / 2, top + box * 0.6)
        out += [line(SOLID, box / 2, top + box * 0.3, box / 2 + box * 0.25, top + box * 0.3)]
        out += [circle(SOLID, box / 2 + box * 0.25 + box * 0.2, top + box * 0.3, box * 0.2)]
    else:
        out += neck + rect(SOLID, -length * 0.4, top, row["W"], top + max(3.0, 0.05 * row["W"]))
    out += [line(CENTRE, -length / 2 - CENTRE_OVERRUN, 0, length / 2 + CENTRE_OVERRUN, 0),
            line(CENTRE, 0, -half - CENTRE_OVERRUN, 0, top + CENTRE_OVERRUN)]
    return out


def butterfly_check(row, double_door):
    """A wafer check valve: the short body and its disc (two doors on a
    middle hinge, or one swinging from the top)."""
    d, length = row["d"], row["L"]
    half = row["D10K"] / 2 * 0.82
    out = rect(SOLID, -length / 2, -half, length / 2, half)
    if double_door:
        out += [line(SOLID, 0, 0, length * 0.35, d * 0.42), line(SOLID, 0, 0, length * 0.35, -d * 0.42),
                circle(SOLID, 0, 0, max(1.5, 0.04 * d))]
    else:
        out += [line(SOLID, 0, d * 0.45, length * 0.4, -d * 0.4), circle(SOLID, 0, d * 0.45, max(1.5, 0.04 * d))]
    out += [line(HIDDEN, -length / 2, -d / 2, length / 2, -d / 2), line(HIDDEN, -length / 2, d / 2, length / 2, d / 2)]
    out += [line(CENTRE, -length / 2 - CENTRE_OVERRUN, 0, length / 2 + CENTRE_OVERRUN, 0)]
    return out


def reducing_valve(row, flanged):
    """A pressure reducing valve: body, the diaphragm case over it, the
    spring bonnet and its adjusting screw."""
    out, inner = valve_ends(row, flanged)
    b = row["B"]
    out += bow_tie(inner, b)
    case = row["W"]
    y = b + 0.15 * row["H"]
    out += [line(SOLID, -b * 0.5, b, -b * 0.5, y), line(SOLID, b * 0.5, b, b * 0.5, y)]
    out += rect(SOLID, -case / 2, y, case / 2, y + 0.12 * row["H"])
    y += 0.12 * row["H"]
    spring = case * 0.45
    out += polyline(SOLID, [(-case / 2, y), (-spring / 2, y + 0.55 * row["H"]), (spring / 2, y + 0.55 * row["H"]),
                            (case / 2, y)])
    y += 0.55 * row["H"]
    out += rect(SOLID, -spring * 0.15, y, spring * 0.15, y + 0.18 * row["H"])
    out += [line(CENTRE, 0, -b, 0, y + 0.18 * row["H"] + CENTRE_OVERRUN)]
    return out + valve_line(row)


def safety_valve(row, flanged):
    """A safety valve: inlet from below, outlet to +x, the spring bonnet up
    with its test lever."""
    d = row["d"]
    a = row["L"] / 2
    b = row["B"]
    out = []
    if flanged:
        thickness, outer, _ = rating_of(row, "10K")
        out += rect(SOLID, -outer / 2, -a, outer / 2, -a + thickness)
        out += rect(SOLID, a, -outer / 2, a - thickness, outer / 2)
        start = thickness
    else:
        width, half = row["hex"], d / 2 + max(3.0, 0.2 * d)
        out += rect(SOLID, -half, -a, half, -a + width) + rect(SOLID, a, -half, a - width, half)
        start = width
    out += polyline(SOLID, [(-b, -a + start), (-b, b), (b, b), (b, b * 0.9)])
    out += polyline(SOLID, [(b, -b * 0.9), (b, -a + start)])
    out += [line(SOLID, b, -b * 0.9, a - start, -b * 0.9), line(SOLID, b, b * 0.9, a - start, b * 0.9),
            line(SOLID, a - start, -b * 0.9, a - start, b * 0.9), line(SOLID, -b, -a + start, b, -a + start)]
    spring = b * 1.2
    height = row["H"]
    out += polyline(SOLID, [(-b, b), (-spring / 2, b + height), (spring / 2, b + height), (b, b)])
    out += rect(SOLID, -spring * 0.2, b + height, spring * 0.2, b + height * 1.15)
    out += [line(SOLID, spring * 0.2, b + height * 1.1, row["W"], b + height * 0.95)]
    out += [line(CENTRE, 0, -a - CENTRE_OVERRUN, 0, b + height * 1.15 + CENTRE_OVERRUN),
            line(CENTRE, 0, 0, a + CENTRE_OVERRUN, 0)]
    return out


def motorised_valve(row, flanged, three_way=False):
    """A motorised valve: globe body (with a third port downwards when
    three-way), yoke and the actuator box."""
    out, inner = valve_ends(row, flanged)
    b = row["B"]
    out += bow_tie(inner, b)
    if three_way:
        out += [line(SOLID, -b, -inner, 0, 0), line(SOLID, b, -inner, 0, 0), line(SOLID, -b, -inner, b, -inner)]
        if flanged:
            thickness, outer, _ = rating_of(row, "10K")
            out += rect(SOLID, -outer / 2, -row["L"] / 2, outer / 2, -row["L"] / 2 + thickness)
            out += [line(SOLID, -b, -inner, -b, -row["L"] / 2 + thickness),
                    line(SOLID, b, -inner, b, -row["L"] / 2 + thickness)]
        else:
            width, half = row["hex"], row["d"] / 2 + max(3.0, 0.2 * row["d"])
            out += moved_down(hexagon_side(-row["L"] / 2, -row["L"] / 2 + width, half))
        out.append(line(CENTRE, 0, 0, 0, -row["L"] / 2 - CENTRE_OVERRUN))
    yoke = 0.4 * row["H"]
    out += [line(SOLID, -b * 0.5, b, -b * 0.5, b + yoke), line(SOLID, b * 0.5, b, b * 0.5, b + yoke)]
    box = row["W"]
    out += rect(SOLID, -box / 2, b + yoke, box / 2, b + yoke + 0.6 * row["H"])
    out += [line(CENTRE, 0, -b, 0, b + yoke + 0.6 * row["H"] + CENTRE_OVERRUN)]
    return out + valve_line(row)


def level_valve(row, flanged):
    """A constant-level valve: the main valve, its cover, and the pilot line
    rising to the float valve."""
    out, inner = valve_ends(row, flanged)
    b = row["B"]
    out += bow_tie(inner, b) + [circle(SOLID, 0, 0, b * 0.45)]
    cover = row["W"] * 0.6
    out += rect(SOLID, -cover / 2, b, cover / 2, b + 0.25 * row["H"])
    y = b + 0.25 * row["H"]
    out += polyline(SOLID, [(cover / 2, y - 0.1 * row["H"]), (row["W"], y - 0.1 * row["H"]), (row["W"], y + row["H"])])
    out += [circle(SOLID, row["W"], y + row["H"] + row["W"] * 0.2, row["W"] * 0.2)]
    out += [line(CENTRE, 0, -b, 0, y + CENTRE_OVERRUN)]
    return out + valve_line(row)


# --------------------------------------------------------- flexible joints

def flexible(row, ends, kind):
    """A flexible joint `L` long between its ends: "union" nuts or "flange"s;
    kind "hose" (corrugated stainless hose in its braid), "rubber"
    (one sphere) or "rubber2" (two), "bellows" (expansion joint with tie
    rods), "sleeve" (slip type expansion joint)."""
    d, length = row["d"], row["L"]
    out = []
    if ends == "flange":
        thickness, outer, pcd = rating_of(row, "10K")
        for s in (-1, 1):
            out += rect(SOLID, s * length / 2, -outer / 2, s * (length / 2 - thickness), outer / 2)
            out += [line(HIDDEN, s * length / 2, t * pcd / 2, s * (length / 2 - thickness), t * pcd / 2)
                    for t in (-1, 1)]
        inner = length / 2 - thickness
    else:
        width, half = row["hex"], d / 2 + max(3.0, 0.22 * d)
        for s in (-1, 1):
            out += hexagon_side(s * length / 2, s * (length / 2 - width), half)
        inner = length / 2 - width
    half = d / 2 + max(1.5, 0.05 * d)
    if kind == "hose":
        out += corrugation(-inner, inner, half + max(1.5, 0.04 * d), max(1.5, 0.06 * d), max(3.0, 0.12 * d))
    elif kind in ("rubber", "rubber2"):
        spheres = 2 if kind == "rubber2" else 1
        step = 2 * inner / spheres
        for k in range(spheres):
            out += bulge(-inner + k * step, -inner + (k + 1) * step, d / 2, 0.18 * d + 2)
        if spheres == 2:
            out += rect(SOLID, -2, -d / 2 - 2, 2, d / 2 + 2)
    elif kind == "bellows":
        out += corrugation(-inner * 0.75, inner * 0.75, half + 0.1 * d + 2, 0.1 * d + 2, max(4.0, 0.1 * d))
        out += [line(SOLID, -inner, -half, -inner * 0.75, -half), line(SOLID, -inner, half, -inner * 0.75, half),
                line(SOLID, inner * 0.75, -half, inner, -half), line(SOLID, inner * 0.75, half, inner, half)]
        rod = row["D10K"] / 2 + 6
        out += [line(SOLID, -length / 2 - 6, s * rod, length / 2 + 6, s * rod) for s in (-1, 1)]
    else:  # sleeve
        out += rect(SOLID, -inner, -half - 0.08 * d - 2, inner * 0.2, half + 0.08 * d + 2)
        out += [line(SOLID, inner * 0.2, -half, inner, -half), line(SOLID, inner * 0.2, half, inner, half)]
        out += rect(SOLID, -inner * 0.25, -half - 0.14 * d - 3, -inner * 0.05, half + 0.14 * d + 3)
    out += [line(HIDDEN, -inner, -d / 2, inner, -d / 2), line(HIDDEN, -inner, d / 2, inner, d / 2)]
    out += [line(CENTRE, -length / 2 - CENTRE_OVERRUN, 0, length / 2 + CENTRE_OVERRUN, 0)]
    return out
