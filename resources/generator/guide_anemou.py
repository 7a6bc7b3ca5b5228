"""Guide sketch of "アネモ+ユニネック": a round chamber with a side duct, the
neck and the anemostat, with the dimension lines the edit boxes stand on."""

from tec import Sketch, DOTTED

s = Sketch(5.5, 150, 80)
cx, cy, r = 115, 125, 75
s.circle(cx, cy, r)
# side duct of width W ending on the chamber, duct length P
w = 30
import math
c = math.sqrt(r * r - w * w)
s.line(cx + c, cy - w, 290, cy - w)
s.line(cx + c, cy + w, 290, cy + w)
s.line(290, cy - w, 290, cy + w)
# neck and round anemostat
s.circle(cx, cy, 32, DOTTED)
s.circle(cx, cy, 55, DOTTED)
# R below the chamber
s.extension(cx - r, cy, cx - r, 222)
s.extension(cx + r, cy, cx + r, 222)
s.dimension(cx - r, 216, cx + r, 216)
# N and D across the neck and the anemostat
s.dimension(cx - 32, cy, cx + 32, cy)
s.dimension(cx - 55, cy + 30, cx + 55, cy + 30)
# P above the duct, from the chamber side to the duct end
s.extension(cx + r, cy, cx + r, 70)
s.extension(290, cy - w, 290, 70)
s.dimension(cx + r, 76, 290, 76)
# W beside the duct end
s.extension(290, cy - w, 312, cy - w)
s.extension(290, cy + w, 312, cy + w)
s.dimension(306, cy - w, 306, cy + w)
s.save("AnemoU.tec")
