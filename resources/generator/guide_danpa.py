"""Guide sketch of "ダンパー作図": a damper in a duct with the extra short
piece of FD+, the blade frame, an operator below the duct and the dimension
lines the edit boxes stand on."""

from tec import Sketch, DOTTED, DASHDOT

s = Sketch(4, 70, 145)
# the duct: inlet, blade axis, end of L2 (the middle flange of FD+), end of L3
s.line(60, 90, 300, 90)
s.line(60, 150, 300, 150)
for x in (60, 220, 300):
    s.line(x, 80, x, 160)
for x in (68, 212, 228, 292):
    s.line(x, 90, x, 150)
s.rect(115, 102, 165, 138, DOTTED)
s.line(140, 70, 140, 200, DASHDOT)
# an operator box below the duct
s.polyline([(120, 150), (120, 180), (160, 180), (160, 150)])
# L1, L2, L3 above the duct
for x in (60, 140, 220, 300):
    s.extension(x, 70 if x == 140 else 80, x, 34)
s.dimension(60, 40, 140, 40)
s.dimension(140, 40, 220, 40)
s.dimension(220, 40, 300, 40)
# W of the blade frame
s.extension(115, 102, 115, 60)
s.extension(165, 102, 165, 60)
s.dimension(115, 66, 165, 66)
# D left of the inlet
s.extension(60, 90, 22, 90)
s.extension(60, 150, 22, 150)
s.dimension(30, 90, 30, 150)
# S between the blade frame and the duct side, with a leader to its box
s.extension(165, 138, 192, 138)
s.line(186, 126, 186, 138)
s.line(186, 150, 186, 162)
s.arrow(186, 138, 0, 1)
s.arrow(186, 150, 0, -1)
s.line(186, 162, 196, 172)
# A across the operator
s.extension(120, 180, 120, 201)
s.extension(160, 180, 160, 201)
s.dimension(120, 195, 160, 195)
s.save("Danpa.tec")
