"""Guide sketches of "ダンパー作図", one per kind (Danpa_VD.tec, Danpa_MD.tec,
Danpa_CD.tec, Danpa_FD.tec, Danpa_FT.tec): the duct with its flanges and
angles, the blade frame and the operator of that kind as the figure draws
it, and the dimension lines ending at the edit boxes (L1, L2, W, A, S, D,
and L3 for FD+ only)."""

from tec import Sketch, DOTTED, DASHDOT

INLET, AXIS, MIDDLE, END = 60, 140, 220, 300  # L1 from the inlet to the blade axis, L2, L3
TOP, BOTTOM = 90, 150                          # duct sides
A = 20                                         # operator size in pixels


def duct(s, end, joints):
    s.line(INLET, TOP, end, TOP)
    s.line(INLET, BOTTOM, end, BOTTOM)
    for x in joints:          # flanges
        s.line(x, TOP - 10, x, BOTTOM + 10)
    for x in joints[:1]:
        s.line(x + 8, TOP, x + 8, BOTTOM)
    for x in joints[1:]:      # angles beside each later flange
        s.line(x - 8, TOP, x - 8, BOTTOM)
        if x != joints[-1]:
            s.line(x + 8, TOP, x + 8, BOTTOM)


def lengths(s, marks):
    """L1, L2 (and L3) above the duct, from one mark to the next."""
    for x in marks:
        s.extension(x, 70 if x == AXIS else TOP - 10, x, 34)
    for x1, x2 in zip(marks, marks[1:]):
        s.dimension(x1, 40, x2, 40)


def blade(s, x0, x1):
    """The blade frame, W across it, and S from its edge to the duct side."""
    s.rect(x0, 102, x1, 138, DOTTED)
    s.extension(x0, 102, x0, 60)
    s.extension(x1, 102, x1, 60)
    s.dimension(x0, 66, x1, 66)
    s.extension(x1, 138, 192, 138)
    s.line(186, 126, 186, 138)
    s.line(186, BOTTOM, 186, 162)
    s.arrow(186, 138, 0, 1)
    s.arrow(186, BOTTOM, 0, -1)
    s.line(186, 162, 196, 172)


def size(s):
    """D left of the inlet."""
    s.extension(INLET, TOP, 22, TOP)
    s.extension(INLET, BOTTOM, 22, BOTTOM)
    s.dimension(30, TOP, 30, BOTTOM)


def across(s, x1, x2, y_from):
    """A over the operator, on the line the A box stands on."""
    s.extension(x1, y_from, x1, 201)
    s.extension(x2, y_from, x2, 201)
    s.dimension(x1, 195, x2, 195)


def axis(s, bottom):
    s.line(AXIS, 70, AXIS, bottom, DASHDOT)


def sketch(name, end, joints, marks):
    s = Sketch(4, 70, 145)
    duct(s, end, joints)
    lengths(s, marks)
    size(s)
    return s


# VD: a hand wheel of diameter A below the duct, with its centre lines.
s = sketch("VD", MIDDLE, [INLET, MIDDLE], [INLET, AXIS, MIDDLE])
blade(s, AXIS - 25, AXIS + 25)
s.circle(AXIS, BOTTOM + A, A / 2 + 10)
s.line(AXIS - 25, BOTTOM + A, AXIS + 25, BOTTOM + A, DASHDOT)
axis(s, BOTTOM + 2 * A + 10)
across(s, AXIS - 20, AXIS + 20, BOTTOM + A)
s.save("Danpa_VD.tec")

# MD: a motor box A wide and A deep below the duct.
s = sketch("MD", MIDDLE, [INLET, MIDDLE], [INLET, AXIS, MIDDLE])
blade(s, AXIS - 25, AXIS + 25)
s.polyline([(AXIS - A, BOTTOM), (AXIS - A, BOTTOM + 2 * A), (AXIS + A, BOTTOM + 2 * A), (AXIS + A, BOTTOM)])
axis(s, BOTTOM + 2 * A + 10)
across(s, AXIS - A, AXIS + A, BOTTOM + 2 * A)
s.save("Danpa_MD.tec")

# CD: the blade frame from the axis on, a square operator before the axis
# linked to the middle of the duct, and the arrow of the flow.
s = sketch("CD", MIDDLE, [INLET, MIDDLE], [INLET, AXIS, MIDDLE])
blade(s, AXIS, AXIS + 45)
s.rect(AXIS - 50, BOTTOM + A, AXIS - 30, BOTTOM + 2 * A)
s.line(AXIS - 30, BOTTOM + 1.5 * A, (AXIS + MIDDLE) / 2, BOTTOM + 1.5 * A)
s.polyline([(AXIS + 4, 110), (AXIS + 4, 130), (AXIS + 22, 120)], closed=True)
axis(s, BOTTOM + 2 * A)
across(s, AXIS - 50, AXIS - 30, BOTTOM + 2 * A)
s.save("Danpa_CD.tec")


def fire(s):
    """FD: a fuse box 2A wide and A deep, the fuse line under it."""
    s.polyline([(AXIS - A, BOTTOM), (AXIS - A, BOTTOM + A), (AXIS + A, BOTTOM + A), (AXIS + A, BOTTOM)])
    s.line(AXIS - A, BOTTOM + A + 5, AXIS + 2 * A, BOTTOM + A + 5)
    axis(s, BOTTOM + A + 12)
    across(s, AXIS, AXIS + A, BOTTOM + A + 5)


s = sketch("FD", MIDDLE, [INLET, MIDDLE], [INLET, AXIS, MIDDLE])
blade(s, AXIS - 25, AXIS + 25)
fire(s)
s.save("Danpa_FD.tec")

# FD+: the fire damper and a short piece L3 after it.
s = sketch("FT", END, [INLET, MIDDLE, END], [INLET, AXIS, MIDDLE, END])
blade(s, AXIS - 25, AXIS + 25)
fire(s)
s.save("Danpa_FT.tec")
