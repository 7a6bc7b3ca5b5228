"""Guide sketch of "突付け分岐枝管": a branch butted against the side of a main
duct as it is placed at the angle 0, pointing to the right, widened by the
hopper on its upper side, with the dimension lines the edit boxes stand on."""

from tec import Sketch, DOTTED, box_position

s = Sketch(6.5, 115, 120)
BUTT, FAR = 40, 272          # the butt end on the main duct, the far end
FLANGE, ANGLE = 48, 16       # G and the angle width
TOP, BOTTOM = 140, 190       # the branch's width W
HOPPER, LH = 85, 60          # the hopper's widened side and its straight parts

# the main duct's side the branch butts against
s.line(BUTT, 72, BUTT, 205)
# the branch: hopper side, slant, far straight part; the other side
s.polyline([(FAR, TOP), (FAR - LH, TOP), (BUTT + LH, HOPPER), (FLANGE, HOPPER)])
s.line(FLANGE, BOTTOM, FAR, BOTTOM)
s.line(FAR - LH, TOP, FLANGE, TOP, DOTTED)
# flanges at both ends and the angle lines
s.line(FLANGE, HOPPER - 6, FLANGE, BOTTOM + 6)
s.line(FAR, TOP - 6, FAR, BOTTOM + 6)
s.line(BUTT + ANGLE, HOPPER, BUTT + ANGLE, BOTTOM, DOTTED)
s.line(FAR - ANGLE, TOP, FAR - ANGLE, BOTTOM, DOTTED)
# L above everything
s.extension(BUTT, 72, BUTT, 16)
s.extension(FAR, TOP - 6, FAR, 16)
s.dimension(BUTT, 22, FAR, 22)
# Lh at both ends of the hopper
s.extension(BUTT + LH, HOPPER, BUTT + LH, 52)
s.extension(FAR - LH, TOP, FAR - LH, 52)
s.dimension(BUTT, 58, BUTT + LH, 58)
s.dimension(FAR - LH, 58, FAR, 58)
# Hw across the hopper's widening
s.dimension(70, HOPPER, 70, TOP)
# W beside the far end
s.extension(FAR, TOP, 318, TOP)
s.extension(FAR, BOTTOM, 318, BOTTOM)
s.dimension(312, TOP, 312, BOTTOM)
# G from the butt end to the flange, arrows from outside
s.extension(BUTT, 205, BUTT, 224)
s.extension(FLANGE, BOTTOM + 6, FLANGE, 224)
s.line(24, 218, 56, 218)
s.arrow(BUTT, 218, 1, 0)
s.arrow(FLANGE, 218, -1, 0)
s.save("Tuki.tec")

if __name__ == "__main__":
    for name, (px, py, w) in {"L": (156, 22, 30), "Lh": (70, 58, 28), "Hw": (70, 118, 28),
                              "W": (312, 165, 28), "G": (86, 218, 26)}.items():
        print(name, box_position(px, py, w))
    for name, (px, py) in {"origin": (BUTT, 165), "corner": (BUTT, BOTTOM)}.items():
        print(name, box_position(px, py, 10, 10))
