"""Guide sketch of "アネモ+ボックス": a box with a side duct, the neck and the
anemostat, with the dimension lines the edit boxes stand on."""

from tec import Sketch, DOTTED

s = Sketch(5.5, 150, 80)
# box A x A and the side duct (G long, H wide) with its flange and angle line
s.rect(55, 55, 185, 185)
s.line(185, 92, 275, 92)
s.line(185, 148, 275, 148)
s.line(275, 84, 275, 156)
s.line(268, 92, 268, 148, DOTTED)
# neck and square anemostat
s.circle(120, 120, 30, DOTTED)
s.rect(75, 75, 165, 165, DOTTED)
# A below the box
s.extension(55, 185, 55, 212)
s.extension(185, 185, 185, 212)
s.dimension(55, 206, 185, 206)
# M: from the box side to the neck, above the box
s.extension(55, 55, 55, 30)
s.extension(90, 120, 90, 30)
s.dimension(55, 36, 90, 36)
# N across the neck, D across the anemostat
s.dimension(90, 120, 150, 120)
s.dimension(75, 150, 165, 150)
# G above the duct, L below it
s.extension(275, 84, 275, 60)
s.extension(185, 92, 185, 60)
s.dimension(185, 66, 275, 66)
s.extension(275, 156, 275, 182)
s.dimension(185, 176, 275, 176)
# H beside the duct end
s.extension(275, 92, 300, 92)
s.extension(275, 148, 300, 148)
s.dimension(294, 92, 294, 148)
s.save("AnemoB.tec")
