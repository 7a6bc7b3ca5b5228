"""Guide sketch of "直管作図", drawn in its preview frame: a straight duct run
with a joint between two pieces and both ends, and the dimension lines of
the duct size, the pitch of the joints, the flange width (joint line to
angle line) and the angle protrusion (beyond the duct side), as
DuctRun.exe draws them. The records of
the left end carry group 2 and those of the right end group 3 in their
third field: the dialog greys an end that is not to be drawn."""

from tec import Sketch

LEFT, RIGHT = 2, 3


class GroupedSketch(Sketch):
    def group(self, group, draw):
        """Draws with `draw` and marks the new records with the group."""
        start = len(self.records)
        draw()
        for i in range(start, len(self.records)):
            kind, style, _, rest = self.records[i].split(",", 3)
            self.records[i] = ",".join((kind, style, str(group), rest))


s = GroupedSketch(5, 175, 90)


def flange(x1, x2):
    """The outline of a flange's angles from x1 to x2, standing out beyond
    the duct sides as far as the joint line."""
    s.line(x1, 68, x1, 142)
    s.line(x2, 68, x2, 142)
    s.line(x1, 68, x2, 68)
    s.line(x1, 142, x2, 142)


# the run: duct sides, the joint in the middle with an angle each side
s.line(42, 80, 288, 80)
s.line(42, 130, 288, 130)
s.line(165, 68, 165, 142)
flange(153, 177)


def left_end():
    s.line(30, 80, 42, 80)
    s.line(30, 130, 42, 130)
    flange(30, 42)


def right_end():
    s.line(288, 80, 300, 80)
    s.line(288, 130, 300, 130)
    flange(288, 300)


s.group(LEFT, left_end)
s.group(RIGHT, right_end)
# the pitch from the end to the joint, above the run
s.extension(30, 68, 30, 29)
s.extension(165, 68, 165, 29)
s.dimension(30, 35, 165, 35)
# the angle protrusion above the joint, with a leader to its box
s.extension(177, 68, 196, 68)
s.line(190, 56, 190, 68)
s.line(190, 80, 190, 92)
s.arrow(190, 68, 0, 1)
s.arrow(190, 80, 0, -1)
s.line(190, 56, 200, 50)
# the flange width below the joint, with a leader to its box
s.extension(165, 142, 165, 164)
s.extension(177, 142, 177, 164)
s.line(153, 158, 165, 158)
s.line(177, 158, 200, 158)
s.arrow(165, 158, 1, 0)
s.arrow(177, 158, -1, 0)
# the duct size right of the run
s.extension(300, 80, 336, 80)
s.extension(300, 130, 336, 130)
s.dimension(330, 80, 330, 130)
s.save("Choku.tec")
