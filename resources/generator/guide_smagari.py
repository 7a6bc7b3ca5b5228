"""Guide sketch of "S字管": an offset of two bends of the same radius, as it is
placed at the angle 0, running to the right and stepping down by D, at its
shortest length A, with the dimension lines the edit boxes stand on."""

import math

from tec import Sketch, DASHDOT, DOTTED, box_position

s = Sketch(7.5, 100, 80)
START, Y0 = 80, 60    # the start flange and the start leg's centre line
W, R, D = 40, 24, 92  # width, inner radius, offset
LS = LE = 40          # the straight lengths at the start and at the end
A = LS + LE + math.sqrt((2 * R + W) ** 2 - (2 * R + W - D) ** 2)
END, Y1 = START + A, Y0 + D
C1 = (START + LS, Y0 + R + W / 2)  # the bend centres
C2 = (END - LE, Y1 - R - W / 2)
# from C1 towards C2, counter-clockwise on the screen
toward = math.degrees(math.atan2(C1[1] - C2[1], C2[0] - C1[0])) % 360

# legs with their flanges and angle lines, bends meeting on the centres' line
for x1, x2, y in ((START, C1[0], Y0), (C2[0], END, Y1)):
    s.line(x1, y - W / 2, x2, y - W / 2)
    s.line(x1, y + W / 2, x2, y + W / 2)
for x, y, inward in ((START, Y0, 12), (END, Y1, -12)):
    s.line(x, y - W / 2 - 5, x, y + W / 2 + 5)
    s.line(x + inward, y - W / 2, x + inward, y + W / 2, DOTTED)
for r in (R, R + W):
    s.arc(C1[0], C1[1], r, toward, 90)
    s.arc(C2[0], C2[1], r, (toward + 180) % 360, 270)
s.line(START - 10, Y0, C1[0], Y0, DASHDOT)
s.line(C2[0], Y1, END + 10, Y1, DASHDOT)
# A over the whole length
s.extension(START, Y0 - W / 2 - 5, START, 10)
s.extension(END, Y1 - W / 2 - 5, END, 10)
s.dimension(START, 16, END, 16)
# W beside the start flange
s.extension(START, Y0 - W / 2, 24, Y0 - W / 2)
s.extension(START, Y0 + W / 2, 24, Y0 + W / 2)
s.dimension(30, Y0 - W / 2, 30, Y0 + W / 2)
# D between the legs' centre lines
s.extension(C1[0], Y0, 291, Y0)
s.extension(END + 10, Y1, 291, Y1)
s.dimension(285, Y0, 285, Y1)
# R from the end bend's centre to its inner side
ON_BEND = (C2[0] - R * math.sqrt(0.5), C2[1] + R * math.sqrt(0.5))
s.line(C2[0] + 6, C2[1] - 6, ON_BEND[0], ON_BEND[1])
s.arrow(ON_BEND[0], ON_BEND[1], -1, 1)
# Ls and Le ("調整") below
s.extension(START, Y0 + W / 2 + 5, START, 206)
s.extension(C1[0], Y0 + W / 2, C1[0], 206)
s.dimension(START, 200, C1[0], 200)
s.extension(C2[0], Y1 + W / 2, C2[0], 206)
s.extension(END, Y1 + W / 2 + 5, END, 206)
s.dimension(C2[0], 200, END, 200)
s.save("Smagari.tec")

if __name__ == "__main__":
    print("A", A, "C1", C1, "C2", C2)
    for name, (px, py, w) in {"A": ((START + END) / 2, 16, 30), "W": (30, Y0, 28), "D": (285, (Y0 + Y1) / 2, 28),
                              "R": (C2[0] + 16, C2[1] - 16, 28), "Ls": ((START + C1[0]) / 2, 200, 28),
                              "Le": ((C2[0] + END) / 2, 200, 28)}.items():
        print(name, box_position(px, py, w))
    for name, y in {"left": Y0 - W / 2, "origin": Y0, "right": Y0 + W / 2}.items():
        print(name, box_position(START, y, 10, 10))
