"""Guide sketch of "消音付エルボ": a 90° elbow of one width in a lined
chamber, the duct walls inside the chamber dotted, with the dimensions the
edit boxes stand on: W across the upstream leg, S from the chamber to the
flange, C from the duct side to the chamber end, and the lining thickness t."""

from tec import Sketch, DOTTED, DASHDOT

s = Sketch(7, 110, 80)
# the chamber (lining t = 14) around the bend, with its square inner corner
s.polyline([(154, 170), (66, 170), (66, 36), (200, 36), (200, 124), (154, 124), (154, 170)])
# the duct walls inside the chamber
s.polyline([(80, 170), (80, 50), (200, 50)], DOTTED)
s.polyline([(200, 110), (140, 110), (140, 170)], DOTTED)
# the legs from the chamber to their flanges, with angle lines
s.line(200, 50, 240, 50)
s.line(200, 110, 240, 110)
s.line(240, 44, 240, 116)
s.line(233, 50, 233, 110, DOTTED)
s.line(80, 170, 80, 210)
s.line(140, 170, 140, 210)
s.line(74, 210, 146, 210)
s.line(80, 203, 140, 203, DOTTED)
# the centre lines crossing at (110, 80)
s.line(110, 215, 110, 80, DASHDOT)
s.line(110, 80, 245, 80, DASHDOT)
# W below the upstream flange
s.extension(80, 210, 80, 232)
s.extension(140, 210, 140, 232)
s.dimension(80, 226, 140, 226)
# S beside the upstream leg
s.extension(66, 170, 30, 170)
s.extension(74, 210, 30, 210)
s.dimension(36, 170, 36, 210)
# C from the upstream duct side to the chamber end
s.extension(200, 124, 200, 151)
s.dimension(140, 145, 200, 145)
# t between the duct wall and the chamber, its box above
s.dimension(170, 36, 170, 50)
s.line(170, 36, 170, 21)
s.save("S_Erbo.tec")
