"""Guide sketch of "エルボ上下：単独": in plan, the duct end with its flange and
collar, the transition and the vertical duct's section with its flange
square and section symbol, with the dimension lines the edit boxes stand on."""

from tec import Sketch, DOTTED, DASHDOT, box_position

s = Sketch(8, 129, 86)
# the section D x S, its flange square and the section symbol
s.rect(50, 45, 130, 165)
s.rect(44, 39, 136, 171)
s.line(50, 45, 130, 165)
s.line(130, 45, 50, 165)
# the duct end (W wide) with its flange, angle line and collar
s.line(250, 70, 200, 70)
s.line(250, 140, 200, 140)
s.line(250, 64, 250, 146)
s.line(244, 70, 244, 140, DOTTED)
# the transition to the wider section: seen up to the flange square, hidden beyond
s.line(200, 70, 136, 47.14)
s.line(200, 140, 136, 162.86)
s.line(200, 70, 50, 45, DOTTED)
s.line(200, 140, 50, 165, DOTTED)
# centre lines
s.line(36, 105, 290, 105, DASHDOT)
s.line(90, 30, 90, 180, DASHDOT)
# S left of the section
s.extension(50, 45, 16, 45)
s.extension(50, 165, 16, 165)
s.dimension(22, 45, 22, 165)
# D and L below: the section's depth, then the run from its near side to the duct end
s.extension(50, 171, 50, 201)
s.extension(130, 171, 130, 201)
s.extension(250, 146, 250, 201)
s.dimension(50, 195, 130, 195)
s.dimension(130, 195, 250, 195)
# the collar c above the duct end
s.extension(200, 64, 200, 19)
s.extension(250, 64, 250, 19)
s.dimension(200, 25, 250, 25)
# B and A either side of the centre line, W across the duct end
s.extension(250, 70, 331, 70)
s.extension(250, 140, 331, 140)
s.dimension(272, 70, 272, 105)
s.dimension(272, 105, 272, 140)
s.dimension(325, 70, 325, 140)
s.save("Jyoge.tec")

if __name__ == "__main__":
    for name, px, py, w in [("c", 225, 25, 22), ("S", 22, 105, 28), ("D", 90, 195, 28), ("L", 190, 195, 26),
                            ("B", 272, 87.5, 24), ("A", 272, 122.5, 24), ("W", 325, 105, 24)]:
        print(name, box_position(px, py, w))
    for name, px, py in [("centre", 90, 105), ("farB", 50, 45), ("nearB", 130, 45), ("farA", 50, 165),
                         ("nearA", 130, 165)]:
        print(name, box_position(px, py, 10, 10))
