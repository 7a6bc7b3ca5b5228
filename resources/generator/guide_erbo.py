"""Guide sketch of "エルボ：一般両エルボ": a 90° elbow with its upstream leg
below and its downstream leg to the right, the centre line, the square
corners dotted, and the two dimension chains the edit boxes stand on: W1, R,
L2 below the elbow and W2, R, L1 beside it."""

from tec import Sketch, DOTTED, DASHDOT

s = Sketch(7, 110, 100)
# upstream leg (x 40..100) with its flange and angle line
s.line(40, 125, 40, 200)
s.line(100, 125, 100, 200)
s.line(34, 200, 106, 200)
s.line(40, 193, 100, 193, DOTTED)
# downstream leg (y 25..85) with its flange and angle line
s.line(140, 25, 255, 25)
s.line(140, 85, 255, 85)
s.line(255, 19, 255, 91)
s.line(248, 25, 248, 85, DOTTED)
# the bend: inner radius 40 and outer radius 100 about (140, 125)
s.arc(140, 125, 40, 90, 180)
s.arc(140, 125, 100, 90, 180)
# the square corners and the centre lines meeting at (70, 55)
s.polyline([(40, 125), (40, 25), (140, 25)], DOTTED)
s.polyline([(100, 125), (100, 85), (140, 85)], DOTTED)
s.arc(140, 125, 70, 90, 180, DASHDOT)
s.polyline([(70, 205), (70, 55), (262, 55)], DASHDOT)
# the bend angle θ
s.arc(140, 125, 20, 90, 180, DOTTED)
# below: W1 | R | L2
s.extension(40, 200, 40, 224)
s.extension(100, 200, 100, 224)
s.extension(140, 85, 140, 224)
s.extension(255, 91, 255, 224)
for x1, x2 in ((40, 100), (100, 140), (140, 255)):
    s.dimension(x1, 218, x2, 218)
# beside: W2 | R | L1
s.extension(255, 25, 286, 25)
s.extension(255, 85, 286, 85)
s.extension(100, 125, 286, 125)
s.extension(106, 200, 286, 200)
for y1, y2 in ((25, 85), (85, 125), (125, 200)):
    s.dimension(280, y1, 280, y2)
s.save("Erbo.tec")
