"""Guide sketch of "角形制気口+ボックス作図": the box around a rectangular
grille, the grille's width and height, and the box's outer size."""

from tec import Sketch, DOTTED

s = Sketch(4, 155, 175)
s.rect(40, 40, 260, 200)
s.rect(80, 80, 220, 160, DOTTED)
s.line(80, 160, 220, 80, DOTTED)
s.line(80, 80, 220, 160, DOTTED)
# W of the grille below the box
s.extension(80, 160, 80, 232)
s.extension(220, 160, 220, 232)
s.dimension(80, 226, 220, 226)
# H of the grille right of the box
s.extension(220, 80, 292, 80)
s.extension(220, 160, 292, 160)
s.dimension(286, 80, 286, 160)
# the box's outer width above it and outer height left of it
s.extension(40, 40, 40, 18)
s.extension(260, 40, 260, 18)
s.dimension(40, 24, 260, 24)
s.extension(40, 40, 14, 40)
s.extension(40, 200, 14, 200)
s.dimension(20, 40, 20, 200)
# the margin A between box and grille
s.dimension(150, 40, 150, 80)
s.save("Kakubox.tec")
