"""Guide sketch of "短管・片落管": an eccentric reducer lying from its start
flange on the left to its end flange on the right, with the dimensions the
edit boxes stand on: Wa at the start, P1 and P2 either side of the start's
centre line and Wb at the end, E over the straight part and L below."""

from tec import Sketch, DOTTED, DASHDOT

s = Sketch(6, 100, 150)
# the piece: straight E, taper, straight E; the end off-centre (P1 40, P2 30)
s.polyline([(70, 60), (115, 60), (215, 80), (260, 80)])
s.polyline([(70, 180), (115, 180), (215, 150), (260, 150)])
s.line(70, 54, 70, 186)
s.line(260, 74, 260, 156)
s.line(77, 60, 77, 180, DOTTED)
s.line(253, 80, 253, 150, DOTTED)
s.line(115, 60, 115, 180, DOTTED)
s.line(215, 80, 215, 150, DOTTED)
s.line(55, 120, 300, 120, DASHDOT)
# Wa before the start flange
s.extension(70, 60, 24, 60)
s.extension(70, 180, 24, 180)
s.dimension(30, 60, 30, 180)
# P1 and P2 after the end flange, Wb beyond them
s.extension(260, 80, 332, 80)
s.extension(260, 150, 332, 150)
s.dimension(288, 80, 288, 120)
s.dimension(288, 120, 288, 150)
s.dimension(326, 80, 326, 150)
# E above the start's straight part
s.extension(70, 54, 70, 29)
s.extension(115, 60, 115, 29)
s.dimension(70, 35, 115, 35)
# L below the piece
s.extension(70, 186, 70, 216)
s.extension(260, 156, 260, 216)
s.dimension(70, 210, 260, 210)
s.save("Oti.tec")
