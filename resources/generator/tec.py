"""Writes guide sketches (.tec templates) from drawings made in dialog pixels.

A sketch is drawn in pixels measured from the dialog's guide anchor, with y
growing downwards, exactly where it will appear on the screen; the writer
converts to the template's own units with the command's guide constants
(pixel = k * unit + offset) and the template's line encoding (x1, 2·y1, 3·x2,
4·y2). Edit boxes are then placed in dialog units at pixel / 1.5 plus the
anchor's position.

Styles: 1 solid black, 2 dotted grey, 4 dash-dot red.
"""

import math
import os

SOLID, DOTTED, DASHDOT = 1, 2, 4

INSTALL = os.path.join(os.path.dirname(__file__), "..", "install", "Tavrin")


class Sketch:
    def __init__(self, k, ox, oy):
        self.k, self.ox, self.oy = k, ox, oy
        self.records = []

    def _x(self, px):
        return (px - self.ox) / self.k

    def _y(self, py):
        return (py - self.oy) / self.k

    def line(self, x1, y1, x2, y2, style=SOLID):
        self.records.append("1,%d,0,%f,%f,%f,%f," % (
            style, self._x(x1), 2 * self._y(y1), 3 * self._x(x2), 4 * self._y(y2)))

    def polyline(self, points, style=SOLID, closed=False):
        pts = list(points) + ([points[0]] if closed else [])
        for (x1, y1), (x2, y2) in zip(pts, pts[1:]):
            self.line(x1, y1, x2, y2, style)

    def rect(self, x1, y1, x2, y2, style=SOLID):
        self.polyline([(x1, y1), (x2, y1), (x2, y2), (x1, y2)], style, closed=True)

    def arc(self, cx, cy, r, a1, a2, style=SOLID):
        """Counter-clockwise as seen on the screen, angles from +x."""
        self.records.append("2,%d,0,%f,%f,%f,%f,%f," % (
            style, self._x(cx), self._y(cy), r / self.k, a1, a2))

    def circle(self, cx, cy, r, style=SOLID):
        self.arc(cx, cy, r, 0, 360, style)

    def arrow(self, x, y, dx, dy, size=5):
        """An arrow head at (x, y) pointing along (dx, dy)."""
        length = math.hypot(dx, dy)
        ux, uy = dx / length, dy / length
        for side in (1, -1):
            self.line(x, y, x - size * ux + side * size * 0.45 * uy, y - size * uy - side * size * 0.45 * ux)

    def dimension(self, x1, y1, x2, y2, style=SOLID):
        """A dimension line with arrow heads at both ends."""
        self.line(x1, y1, x2, y2, style)
        self.arrow(x2, y2, x2 - x1, y2 - y1)
        self.arrow(x1, y1, x1 - x2, y1 - y2)

    def extension(self, x1, y1, x2, y2):
        """A thin extension line from the drawing to a dimension line."""
        self.line(x1, y1, x2, y2, DOTTED)

    def save(self, name, folder="set"):
        path = os.path.join(INSTALL, folder, name)
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            for record in self.records:
                out.write(record + "\n")
        return path


def box_position(px, py, width_du, height_du=12, anchor_du=(7, 7)):
    """Dialog units of a box of the given size centred on a sketch pixel."""
    ax = (anchor_du[0] * 6 + 2) // 4
    ay = (anchor_du[1] * 12 + 4) // 8
    x = (ax + px) / 1.5 - width_du / 2
    y = (ay + py) / 1.5 - height_du / 2
    return round(x), round(y)
