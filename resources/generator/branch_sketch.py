"""Pieces the two branch sketches share."""

from tec import DOTTED


def side_branch(s, bend_x, flange_x, upper, lower, inner_r, outer_cy, outer_r):
    """A side branch turning off the trunk: its inner and outer arcs, which
    end at x = bend_x, the straights from there to the flange between the
    upper and lower sides (pixels, y down), the angle line and the flange."""
    right = flange_x > bend_x
    start, end = (90, 180) if right else (0, 90)
    s.arc(bend_x, lower + inner_r, inner_r, start, end)
    s.arc(bend_x, outer_cy, outer_r, start, end)
    s.line(bend_x, upper, flange_x, upper)
    s.line(bend_x, lower, flange_x, lower)
    angle_x = flange_x - 6 if right else flange_x + 6
    s.line(angle_x, upper, angle_x, lower, DOTTED)
    s.line(flange_x, upper - 6, flange_x, lower + 6)
