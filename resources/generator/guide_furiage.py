"""Guide sketch of "振り上げダクト作図": the plan of the duct with its two
bend flanges, and below it the side view of the sloping run between its
bends, with the dimension lines the edit boxes stand on."""

import math

from tec import Sketch, DOTTED, DASHDOT, box_position

s = Sketch(5, 80, 45)

# The side view: a duct of height H leaving the lower run at the R start S1,
# sloping at 30 degrees through bends of inner radius H/2, and reaching the
# upper run Hs higher; both sketches share x.
X0, X1 = 45, 290                 # the run's start and end
S1, H, SLOPE, HS = 45, 28, 30, 70
RI, RO = H / 2, H * 1.5
BOTTOM = 250                     # the lower run's bottom
top = BOTTOM - H
a = math.radians(SLOPE)
c1 = (X0 + S1, top - RI)
t1 = (c1[0] + RI * math.sin(a), c1[1] + RI * math.cos(a))
b1 = (c1[0] + RO * math.sin(a), c1[1] + RO * math.cos(a))
upper_bottom = BOTTOM - HS
c2y = upper_bottom + RI
rise = t1[1] - (c2y - RO * math.cos(a))
c2x = t1[0] + rise / math.tan(a) + RO * math.sin(a)
t2 = (c2x - RO * math.sin(a), c2y - RO * math.cos(a))
b2 = (c2x - RI * math.sin(a), c2y - RI * math.cos(a))

s.line(X0, top, c1[0], top)
s.line(X0, BOTTOM, c1[0], BOTTOM)
s.line(X0, top, X0, BOTTOM)
s.arc(c1[0], c1[1], RI, 270, 270 + SLOPE)
s.arc(c1[0], c1[1], RO, 270, 270 + SLOPE)
s.line(t1[0], t1[1], t2[0], t2[1])
s.line(b1[0], b1[1], b2[0], b2[1])
s.arc(c2x, c2y, RI, 90, 90 + SLOPE)
s.arc(c2x, c2y, RO, 90, 90 + SLOPE)
s.line(c2x, upper_bottom, X1, upper_bottom)
s.line(c2x, upper_bottom - H, X1, upper_bottom - H)
s.line(X1, upper_bottom - H, X1, upper_bottom)
# the bend flanges across the duct at the ends of the slope
s.line(t1[0], t1[1], b1[0], b1[1])
s.line(t2[0], t2[1], b2[0], b2[1])
# H at the lower run, Hs at the upper end, S2 above the upper run
s.extension(X0, top, 16, top)
s.extension(X0, BOTTOM, 16, BOTTOM)
s.dimension(22, top, 22, BOTTOM)
s.extension(X1, upper_bottom, 318, upper_bottom)
s.extension(b1[0], BOTTOM, 318, BOTTOM)
s.dimension(312, upper_bottom, 312, BOTTOM)
s.extension(c2x, upper_bottom - H, c2x, 134)
s.extension(X1, upper_bottom - H, X1, 134)
s.dimension(c2x, 140, X1, 140)
# the slope angle where the slope's bottom meets the lower run's bottom
vertex = b1[0] - (BOTTOM - b1[1]) / math.tan(a)
s.arc(vertex, BOTTOM, 45, 0, SLOPE)
# the total plan length below everything
s.extension(X0, BOTTOM, X0, 281)
s.extension(X1, upper_bottom, X1, 281)
s.dimension(X0, 275, X1, 275)

# The plan: W wide, the bend flanges at the ends of the slope with plates
# standing out by E, hidden edges of the slope between them.
E = 8
plan_top, plan_bottom = 40, 90
x1, x1_far = t1[0], b1[0]
x2, x2_far = t2[0], b2[0]
s.line(X0, plan_top - 6, X0, plan_bottom + 6)
s.line(X1, plan_top - 6, X1, plan_bottom + 6)
s.line(X0 + 6, plan_top, X0 + 6, plan_bottom, DOTTED)
s.line(X1 - 6, plan_top, X1 - 6, plan_bottom, DOTTED)
for x, far in ((x1, x1_far), (x2, x2_far)):
    s.polyline([(far + E, plan_bottom + E), (x - E, plan_bottom + E), (x - E, plan_top - E), (far + E, plan_top - E)])
    s.line(x, plan_top, x, plan_bottom)
    s.line(far, plan_top, far, plan_bottom, DOTTED)
    s.line(far, plan_top, x, plan_bottom, DOTTED)
for y in (plan_top, plan_bottom):
    s.line(X0, y, x1 - E, y)
    s.line(x1, y, x2 - E, y)
    s.line(x2, y, X1, y)
s.line(X0 - 10, 65, X1 + 10, 65, DASHDOT)
# W at the start, S1 to the R start above, E at the lower plate
s.extension(X0, plan_top, 16, plan_top)
s.extension(X0, plan_bottom, 16, plan_bottom)
s.dimension(22, plan_top, 22, plan_bottom)
s.extension(X0, plan_top - 6, X0, 6)
s.extension(X0 + S1, plan_top, X0 + S1, 6)
s.dimension(X0, 12, X0 + S1, 12)
s.extension(x1_far + E, plan_top - E, 132, plan_top - E)
s.extension(x1_far, plan_top, 132, plan_top)
s.line(128, plan_top - E - 6, 128, plan_top)
s.arrow(128, plan_top - E, 0, 1)
s.arrow(128, plan_top, 0, -1)
s.save("Furiage.tec")

if __name__ == "__main__":
    print("x1 %.1f x1' %.1f x2 %.1f x2' %.1f" % (x1, x1_far, x2, x2_far))
    for name, px, py, w in [("S1", X0 + S1 / 2, 12, 26), ("E", 145, 30, 22), ("W", 22, 65, 24), ("H", 22, 236, 24),
                            ("Hs", 312, 215, 26), ("S2", (c2x + X1) / 2, 140, 26), ("phi", 165, 238, 24),
                            ("Lt", (X0 + X1) / 2, 275, 32)]:
        print(name, box_position(px, py, w))
    for name, px, py in [("start", X0, plan_top), ("end", X1, plan_top)]:
        print(name, box_position(px, py, 10, 10))
