"""Guide sketch of "フレキダクト作図": an L-shaped flexible duct with the
distance A from its start to the meeting point of the two runs and the
angle θ between them, and an S-shaped one with its offset P, both with
their collars, a few bellows lines and dash-dot centre lines."""

from tec import Sketch, DASHDOT

s = Sketch(7.5, 150, 80)


def bellows(points):
    for x1, y1, x2, y2 in points:
        s.line(x1, y1, x2, y2)


# L shape: start collar, first run, the bend about (84, 88), second run down
s.rect(26, 46, 40, 78)
s.line(40, 46, 84, 46)
s.line(40, 78, 84, 78)
s.arc(84, 88, 42, 0, 90)
s.arc(84, 88, 10, 0, 90)
s.line(126, 88, 126, 150)
s.line(94, 88, 94, 150)
s.rect(94, 150, 126, 164)
bellows([(x, 46, x, 78) for x in (52, 64, 76)] + [(94, y, 126, y) for y in (102, 116, 130, 144)])
s.line(84 + 10 * 0.7071, 88 - 10 * 0.7071, 84 + 42 * 0.7071, 88 - 42 * 0.7071)
s.line(22, 62, 120, 62, DASHDOT)
s.line(110, 40, 110, 168, DASHDOT)
# A from the start to the meeting point of the centre lines, θ between them
s.extension(26, 46, 26, 16)
s.extension(110, 40, 110, 16)
s.dimension(26, 22, 110, 22)
s.arc(110, 62, 16, 0, 90)
s.arrow(126, 62, 0, 1, 4)
s.arrow(110, 46, -1, 0, 4)

# S shape: start collar, two bends offsetting the duct by P, end collar
s.rect(180, 95, 194, 115)
s.line(194, 95, 205, 95)
s.line(194, 115, 205, 115)
for cx, a1, a2 in ((205, 0, 90), (245, 180, 270)):
    s.arc(cx, 125, 30, a1, a2)
    s.arc(cx, 125, 10, a1, a2)
s.line(245, 135, 272, 135)
s.line(245, 155, 272, 155)
s.rect(272, 135, 286, 155)
bellows([(225, 115, 225, 135), (259, 135, 259, 155)])
s.line(164, 105, 205, 105, DASHDOT)
s.line(164, 145, 290, 145, DASHDOT)
s.dimension(170, 105, 170, 145)
s.save("Flex.tec")
