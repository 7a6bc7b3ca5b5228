"""Guide sketch of "ダクトアップダウン": the plan of a run stepping to a wider
middle part and back, and below it the side view of one stepped part, with
the dimension lines the edit boxes and the computed lengths stand on."""

import math

from tec import Sketch, DOTTED, DASHDOT, box_position

s = Sketch(5.5, 65, 85)

# The plan: end parts W1 wide, the middle part W2 wide and offset by OF;
# one stepped part P long at either end of the middle part.
X0, P, MID = 44, 60, 120
X1 = X0 + 2 * P + MID
TOP, BOTTOM = 45, 85            # the end parts' sides
MTOP, MBOTTOM = 35, 105         # the middle part's sides
H25, H75, G75, G25 = 8, 24, P - 24, P - 8


def stepped(x):
    """One stepped part, x mapping its own lengths into the sketch."""
    for y0, y1 in ((TOP, MTOP), (BOTTOM, MBOTTOM)):
        s.line(x(0), y0, x(H25), y0)
        s.line(x(H25), y0, x(G75), y1)
        s.line(x(G75), y1, x(P), y1)
        s.line(x(H25), y0, x(H75), y0)
        s.line(x(H75), y0, x(G25), y1)
    s.line(x(H75), TOP, x(H75), BOTTOM)
    s.line(x(G25), MTOP, x(G25), MBOTTOM)
    s.line(x(H25), TOP, x(H25), BOTTOM, DOTTED)
    s.line(x(G75), MTOP, x(G75), MBOTTOM, DOTTED)
    s.line(x(0), TOP - 6, x(0), BOTTOM + 6)
    s.line(x(6), TOP, x(6), BOTTOM, DOTTED)


stepped(lambda at: X0 + at)
stepped(lambda at: X1 - at)
s.line(X0 + G25, MTOP, X1 - G25, MTOP)
s.line(X0 + G25, MBOTTOM, X1 - G25, MBOTTOM)
s.line(X0 + P, MTOP - 6, X0 + P, MBOTTOM + 6, DOTTED)      # the intermediate flange
s.line(X0 - 8, 65, X0 + P, 65, DASHDOT)
# W1 at the start, W2 across the middle, OF at the end, Mid and the total below
s.extension(X0, TOP, 8, TOP)
s.extension(X0, BOTTOM, 8, BOTTOM)
s.dimension(14, TOP, 14, BOTTOM)
s.dimension(X0 + P + MID / 2, MTOP, X0 + P + MID / 2, MBOTTOM)
OFX = X1 + 24
s.extension(X1, BOTTOM, OFX + 6, BOTTOM)
s.extension(X1 - G75, MBOTTOM, OFX + 6, MBOTTOM)
s.line(OFX, BOTTOM - 12, OFX, MBOTTOM + 12)
s.arrow(OFX, BOTTOM, 0, -1)
s.arrow(OFX, MBOTTOM, 0, 1)
s.extension(X0 + P, MBOTTOM + 6, X0 + P, 130)
s.extension(X1 - P, MBOTTOM + 6, X1 - P, 130)
s.dimension(X0 + P, 124, X1 - P, 124)
s.extension(X0, BOTTOM + 6, X0, 152)
s.extension(X1, BOTTOM + 6, X1, 152)
s.dimension(X0, 146, X1, 146)

# The side view of one stepped part: the end part H high, U straight, the
# step f long, V straight into the middle part G high; C from the end
# part's top to the middle part's top.
SX, U, F, V = 30, 50, 50, 50
STOP, SH, SC, SG = 180, 30, 22, 34
x_step, x_mid, x_end = SX + U, SX + U + F, SX + U + F + V


def s_curve(y_from, y_to):
    points = []
    for i in range(13):
        t = i / 12
        points.append((x_step + F * t, y_from + (y_to - y_from) * (1 - math.cos(math.pi * t)) / 2))
    return points


s.line(SX, STOP, SX, STOP + SH)
s.line(SX, STOP, x_step, STOP)
s.line(SX, STOP + SH, x_step, STOP + SH)
s.polyline(s_curve(STOP, STOP + SC))
s.polyline(s_curve(STOP + SH, STOP + SC + SG))
s.line(x_mid, STOP + SC, x_end + 20, STOP + SC)
s.line(x_mid, STOP + SC + SG, x_end + 20, STOP + SC + SG)
s.line(x_end, STOP + SC - 6, x_end, STOP + SC + SG + 6, DOTTED)
# H at the end part, U, f and V above, C and G at the middle part
s.extension(SX, STOP, 6, STOP)
s.extension(SX, STOP + SH, 6, STOP + SH)
s.dimension(12, STOP, 12, STOP + SH)
for x in (SX, x_step, x_mid, x_end):
    s.extension(x, STOP - 4 if x < x_mid else STOP + SC - 4, x, 160)
s.dimension(SX, 166, x_step, 166)
s.dimension(x_step, 166, x_mid, 166)
s.dimension(x_mid, 166, x_end, 166)
s.extension(x_step, STOP, 232, STOP)
s.extension(x_end + 20, STOP + SC, 232, STOP + SC)
s.dimension(226, STOP, 226, STOP + SC)
s.extension(x_end + 20, STOP + SC + SG, 266, STOP + SC + SG)
s.dimension(260, STOP + SC, 260, STOP + SC + SG)
s.save("Updown.tec")

if __name__ == "__main__":
    mid = X0 + P + MID / 2
    for name, px, py, w in [("W1", 14, 65, 24), ("W2", mid, 62, 24), ("OF", OFX, 95, 24), ("Mid", mid, 124, 26),
                            ("T", mid, 146, 26), ("H", 12, 195, 24), ("U", SX + U / 2, 166, 24),
                            ("f", x_step + F / 2, 166, 24), ("V", x_mid + V / 2, 166, 24),
                            ("C", 226, STOP + SC / 2, 24), ("G", 260, STOP + SC + SG / 2, 24)]:
        print(name, box_position(px, py, w))
    for name, px, py in [("start", X0, 65), ("startA", X0, BOTTOM), ("step", X0 + P, 65), ("stepA", X0 + P, MBOTTOM)]:
        print(name, box_position(px, py, 10, 10))
