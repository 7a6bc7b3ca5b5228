"""Guide sketch of "内貼り付ボックス": a box in plan with its lining inset by
T and hatched at 45°, with the dimension lines the edit boxes stand on and
the four points it can be placed by."""

from tec import Sketch, DOTTED, box_position

s = Sketch(4.5, 110, 120)
LEFT, TOP, RIGHT, BOTTOM = 40, 40, 240, 180
T = 14

s.rect(LEFT, TOP, RIGHT, BOTTOM)
s.rect(LEFT + T, TOP + T, RIGHT - T, BOTTOM - T, DOTTED)
# the hatching over the whole box, rising to the right on the screen
for c in range(LEFT + TOP + 30, RIGHT + BOTTOM, 30):  # the lines x + y = c
    x1, x2 = max(LEFT, c - BOTTOM), min(RIGHT, c - TOP)
    if x2 > x1:
        s.line(x1, c - x1, x2, c - x2, DOTTED)
# W below, D to the right
s.extension(LEFT, BOTTOM, LEFT, 211)
s.extension(RIGHT, BOTTOM, RIGHT, 211)
s.dimension(LEFT, 205, RIGHT, 205)
s.extension(RIGHT, TOP, 281, TOP)
s.extension(RIGHT, BOTTOM, 281, BOTTOM)
s.dimension(275, TOP, 275, BOTTOM)
# T across the lining at the top, arrows from outside, up to its box
s.line(90, 22, 90, 70)
s.arrow(90, TOP, 0, 1)
s.arrow(90, TOP + T, 0, -1)
s.save("Ubox.tec")

if __name__ == "__main__":
    for name, (px, py, w) in {"W": ((LEFT + RIGHT) / 2, 205, 30), "D": (275, (TOP + BOTTOM) / 2, 30),
                              "T": (90, 16, 26)}.items():
        print(name, box_position(px, py, w))
    centre = ((LEFT + RIGHT) / 2, (TOP + BOTTOM) / 2)
    for name, (px, py) in {"centre": centre, "bottom": (centre[0], BOTTOM), "corner": (LEFT, BOTTOM),
                           "left": (LEFT, centre[1])}.items():
        print(name, box_position(px, py, 10, 10))
