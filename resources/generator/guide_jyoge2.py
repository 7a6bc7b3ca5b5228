"""Guide sketch of "エルボ上下：連続": in plan, the riser with its flange and
section symbol, the downstream duct leaving it to the right, and the two
upstream ducts: straight on from the left, or (dotted) from below for the
L-shape, with the dimension lines the edit boxes and computed lengths stand on."""

from tec import Sketch, DOTTED, DASHDOT, box_position

s = Sketch(7.5, 150, 70)
TOP, BOTTOM = 90, 140            # the ducts' sides
RX0, RX1 = 155, 195              # the riser
UP_END, DOWN_END, L_END = 60, 290, 235
F = 5
# the riser, its flange and the section symbol
s.rect(RX0, TOP, RX1, BOTTOM)
s.rect(RX0 - F, TOP - F, RX1 + F, BOTTOM + F)
s.line(RX0, BOTTOM, RX1, TOP, DOTTED)
s.line(RX0, TOP, RX1, BOTTOM, DOTTED)
s.line(RX1, TOP, RX1, BOTTOM, DOTTED)
# the straight upstream duct from the left
for y in (TOP, BOTTOM):
    s.line(UP_END, y, RX0 - F, y)
s.line(UP_END, TOP - 6, UP_END, BOTTOM + 6)
s.line(UP_END + 6, TOP, UP_END + 6, BOTTOM, DOTTED)
# the downstream duct to the right
for y in (TOP, BOTTOM):
    s.line(RX1, y, DOWN_END, y)
s.line(DOWN_END, TOP - 6, DOWN_END, BOTTOM + 6)
s.line(DOWN_END - 6, TOP, DOWN_END - 6, BOTTOM, DOTTED)
# the L-shape's upstream duct from below
for x in (RX0, RX1):
    s.line(x, BOTTOM + F, x, L_END, DOTTED)
s.line(RX0 - 6, L_END, RX1 + 6, L_END, DOTTED)
s.line(RX0, L_END - 6, RX1, L_END - 6, DOTTED)
# centre lines
s.line(UP_END - 16, 115, DOWN_END + 14, 115, DASHDOT)
s.line(175, 70, 175, L_END + 12, DASHDOT)
# the computed lengths above: upstream run, riser, downstream run
for x, y in ((UP_END, TOP - 6), (RX0, TOP - F), (RX1, TOP - F), (DOWN_END, TOP - 6)):
    s.extension(x, y, x, 49)
s.dimension(UP_END, 55, RX0, 55)
s.dimension(RX0, 55, RX1, 55)
s.dimension(RX1, 55, DOWN_END, 55)
# E: the straight run at the downstream end
s.extension(215, BOTTOM, 215, 171)
s.extension(DOWN_END, BOTTOM + 6, DOWN_END, 171)
s.dimension(215, 165, DOWN_END, 165)
# W1 at the upstream end; A2, B2 and W2 at the downstream end
s.extension(UP_END, TOP, 19, TOP)
s.extension(UP_END, BOTTOM, 19, BOTTOM)
s.dimension(25, TOP, 25, BOTTOM)
s.extension(DOWN_END, TOP, 354, TOP)
s.extension(DOWN_END, BOTTOM, 354, BOTTOM)
s.dimension(308, TOP, 308, 115)
s.dimension(308, 115, 308, BOTTOM)
s.dimension(348, TOP, 348, BOTTOM)
# the L-shape: its upstream run left of it, WL across its end
s.extension(RX0 - F, BOTTOM, 124, BOTTOM)
s.extension(RX0 - 6, L_END, 124, L_END)
s.dimension(130, BOTTOM, 130, L_END)
s.extension(RX0, L_END, RX0, 255)
s.extension(RX1, L_END, RX1, 255)
# WL: its box covers the dimension line between the extension lines
s.line(RX0, 255, RX1, 255)
s.save("Jyoge2.tec")

if __name__ == "__main__":
    for name, px, py, w in [("1239", (UP_END + RX0) / 2, 55, 24), ("1241", 175, 55, 24),
                            ("1240", (RX1 + DOWN_END) / 2, 55, 24), ("E", 252.5, 165, 24), ("W1", 25, 115, 24),
                            ("A2", 308, 102.5, 24), ("B2", 308, 127.5, 24), ("W2", 348, 115, 24),
                            ("1238", 130, 187.5, 24), ("WL", 175, 255, 24)]:
        print(name, box_position(px, py, w))
    for name, px, py in [("1222", RX0, TOP), ("1223", RX0, BOTTOM), ("1224", 175, 115), ("1225", RX1, TOP),
                         ("1226", RX1, BOTTOM)]:
        print(name, box_position(px, py, 10, 10))
