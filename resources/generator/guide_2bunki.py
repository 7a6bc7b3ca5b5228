"""Guide sketch of "割込分岐：２方向・双方向・T方向": the double branch (the
trunk split into two channels turning left and right) drawn solid, and the
top branch of the two-way branch with its channel boundaries drawn dotted,
with the dimension lines the edit boxes stand on."""

import math

from branch_sketch import side_branch
from tec import Sketch, DOTTED, DASHDOT

s = Sketch(7, 150, 140)
# trunk (x 88..208) with its flange and angle line, the splitter wall
s.line(88, 204, 88, 178)
s.line(208, 204, 208, 178)
s.line(82, 204, 214, 204)
s.line(88, 198, 208, 198, DOTTED)
s.line(148, 198, 148, 182)
# right and left branch
side_branch(s, 228, 264, 102, 158, 20, 182, 80)
side_branch(s, 68, 32, 102, 158, 20, 182, 80)
# two-way: the top branch, the trunk's slanted left side, and the right
# boundary up the wall and past the right bend's outer arc
s.line(108, 60, 108, 20)
s.line(188, 60, 188, 20)
s.line(102, 20, 194, 20)
s.line(108, 60, 88, 204, DOTTED)


def clearance(px, py, wall, start, cx, cy, r):
    """The highest point on the wall whose slant to (px, py) still meets the arc."""
    h = start
    for y in range(start, 0, -1):
        dx, dy = px - wall, py - y
        if abs(dy * (cx - wall) - dx * (cy - y)) / math.hypot(dx, dy) > r:
            break
        h = y
    return h


h = clearance(188, 60, 148, 182, 228, 182, 80)
s.line(148, 182, 148, h, DOTTED)
s.line(148, h, 188, 60, DOTTED)
# centre lines of the trunk and of the side branches
s.line(148, 12, 148, 70, DASHDOT)
s.line(0, 130, 44, 130, DASHDOT)
# S1 and S2 across the trunk, WM below them
s.extension(88, 205, 88, 246)
s.extension(208, 205, 208, 246)
s.extension(148, 199, 148, 224)
s.dimension(88, 218, 148, 218)
s.dimension(148, 218, 208, 218)
s.dimension(88, 240, 208, 240)
# WT above the top flange, T1 and T2 either side of the centre line
s.extension(108, 19, 108, 2)
s.extension(188, 19, 188, 2)
s.dimension(108, 8, 188, 8)
s.dimension(108, 43, 148, 43)
s.dimension(148, 43, 188, 43)
# Lt from the right branch's upper side to the top flange
s.extension(195, 20, 232, 20)
s.dimension(226, 20, 226, 102)
# WR and WL across the straights, B1 and B2 beside the left flange
s.dimension(242, 102, 242, 158)
s.dimension(54, 102, 54, 158)
s.extension(31, 102, 6, 102)
s.extension(31, 158, 6, 158)
s.dimension(14, 102, 14, 130)
s.dimension(14, 130, 14, 158)
s.save("2bunki.tec")
