"""Guide sketch of "割込分岐：三方向": a trunk from below split by two walls
into three channels, turning left and right through pairs of arcs and
running straight up, with the dimension lines the edit boxes stand on."""

from branch_sketch import side_branch
from tec import Sketch, DOTTED, DASHDOT

s = Sketch(7, 150, 125)
# trunk (x 90..210) with its flange and angle line
s.line(90, 199, 90, 173)
s.line(210, 199, 210, 173)
s.line(84, 199, 216, 199)
s.line(90, 193, 210, 193, DOTTED)
# splitter walls and the middle channel running up into the top branch
s.line(114, 193, 114, 141)
s.line(186, 193, 186, 141)
s.line(114, 193, 116, 60)
s.line(186, 193, 184, 60)
# top branch: straights, angle line, flange
s.line(116, 60, 116, 20)
s.line(184, 60, 184, 20)
s.line(116, 26, 184, 26, DOTTED)
s.line(110, 20, 190, 20)
# right and left branch
side_branch(s, 230, 270, 97, 153, 20, 141, 44)
side_branch(s, 70, 30, 97, 153, 20, 141, 44)
# centre lines of the trunk and of the side branches
s.line(150, 12, 150, 70, DASHDOT)
s.line(0, 125, 42, 125, DASHDOT)
# S1, S2, S3 across the trunk, WM below them
for x in (90, 114, 186, 210):
    s.extension(x, 200 if x in (90, 210) else 194, x, 244 if x in (90, 210) else 220)
s.dimension(90, 214, 114, 214)
s.dimension(114, 214, 186, 214)
s.dimension(186, 214, 210, 214)
s.dimension(90, 238, 210, 238)
# WT above the top flange, T1 and T2 either side of the centre line
s.extension(116, 19, 116, 2)
s.extension(184, 19, 184, 2)
s.dimension(116, 8, 184, 8)
s.dimension(116, 43, 150, 43)
s.dimension(150, 43, 184, 43)
# Lt from the right branch's upper side to the top flange
s.extension(191, 20, 242, 20)
s.dimension(236, 20, 236, 97)
# WR and WL across the straights, B1 and B2 beside the left flange
s.dimension(248, 97, 248, 153)
s.dimension(52, 97, 52, 153)
s.extension(29, 97, 4, 97)
s.extension(29, 153, 4, 153)
s.dimension(12, 97, 12, 125)
s.dimension(12, 125, 12, 153)
s.save("3bunki.tec")
