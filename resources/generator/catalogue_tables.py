"""The catalogue's families: for each, its dimension table (one row per
nominal size the family is made in, every column naming the standard and
table it follows, or "approximate" with the proportion used), its sheets and
the parts in their cells.

Pipe outer diameters ("d") come from the size lists in HaikanSet/, which
catalogue.py checks against the published tables in standards/.
"""

from catalogue_kits import (CastIron, Duct, Flanged, Glanded, Screwed, Socketed, Welded, angle_valve, ball_valve,
                            blind_flange, butterfly_check, butterfly_valve, check_valve, flange_pair, flexible,
                            gate_valve, globe_valve, level_valve, motorised_valve, rating_of, reducing_valve,
                            outward, safety_valve, stub_length, y_strainer)
from catalogue_shapes import reducer, swept_bend

# ------------------------------------------------------------------ tables


class Table:
    """A family's dimensions: per column its source and its values by nominal
    size (a dict), or a proportion of the row's other values (a function)."""

    def __init__(self, sizes, columns):
        self.sizes = [str(s) for s in sizes]
        self.columns = columns  # name -> (source, dict by size, or function of the row)

    def row(self, size, outer_diameter):
        row = {"size": size, "d": outer_diameter}
        for name, (_, values) in self.columns.items():
            if callable(values):
                row[name] = values(row)
            else:
                row[name] = values[int(size)] if int(size) in values else values[size]
        return row

    def sources(self):
        return {name: source for name, (source, _) in self.columns.items()}


def by_size(sizes, values):
    return dict(zip(sizes, values))


APPROX = "approximate"

# JIS B 2220 steel pipe flanges: outer diameter D, bolt circle C, thickness t.
FLANGE_SIZES = [10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 350, 400, 450, 500]
FLANGE_5K = ("JIS B 2220, 5K flanges (D, C, t)", {
    "D": [75, 80, 85, 95, 115, 120, 130, 155, 180, 200, 235, 265, 320, 385, 430, 480, 540, 605, 655],
    "C": [55, 60, 65, 75, 90, 95, 105, 130, 145, 165, 200, 230, 280, 345, 390, 435, 495, 555, 605],
    "t": [9, 9, 10, 10, 12, 12, 14, 14, 14, 16, 16, 18, 20, 22, 22, 24, 24, 24, 24]})
FLANGE_10K = ("JIS B 2220, 10K flanges (D, C, t)", {
    "D": [90, 95, 100, 125, 135, 140, 155, 175, 185, 210, 250, 280, 330, 400, 445, 490, 560, 620, 675],
    "C": [65, 70, 75, 90, 100, 105, 120, 140, 150, 175, 210, 240, 290, 355, 400, 445, 510, 565, 620],
    "t": [12, 12, 14, 14, 16, 16, 16, 18, 18, 18, 20, 22, 22, 24, 24, 26, 28, 30, 30]})
FLANGE_20K = ("JIS B 2220, 20K flanges (D, C); t approximate", {
    "D": [90, 95, 100, 125, 135, 140, 155, 175, 200, 225, 270, 305, 350, 430, 480, 540, 605, 675, 730],
    "C": [65, 70, 75, 90, 100, 105, 120, 140, 160, 185, 225, 260, 305, 380, 430, 480, 540, 605, 660],
    "t": [14, 14, 16, 16, 18, 18, 18, 20, 22, 24, 26, 28, 30, 34, 36, 40, 46, 48, 50]})


def flange_columns(*ratings):
    """Flange columns of the ratings given, for the flange of the row's
    "steel" size (the steel pipe size of the same bore)."""
    columns = {}
    for rating, (source, values) in ratings:
        for key in ("D", "C", "t"):
            table = by_size(FLANGE_SIZES, values[key])
            columns[key + rating] = (source, lambda r, table=table: table[r["steel"]])
    return columns


def same_size(row):
    return int(row["size"])


STEEL_SIZE = ("the nominal size itself", same_size)


def steel(sizes):
    return [s for s in [10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 350, 400, 450, 500]
            if s in sizes]


def between(low, high, sizes):
    return [s for s in sizes if low <= s <= high]


STEEL = [10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 350, 400, 450, 500]
PVC = [13, 16, 20, 25, 30, 40, 50, 65, 75, 100, 125, 150, 200, 250, 300, 350, 400]
COPPER = [8, 10, 15, 18, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150]
CAST_IRON = [40, 50, 65, 75, 100, 125, 150, 200, 250, 300]
STAINLESS = [13, 20, 25, 30, 40, 50, 60]
ROUND_DUCT = [100, 125, 150, 175, 200, 225, 250, 275, 300, 325, 350, 375, 400, 450, 500]


# --------------------------------------------------------------- the cells

EQUAL, REDUCING, SMALLER = "equal", "reducing", "smaller"


class Cell:
    """A part in cell `cell` of its sheet: its name in BuzaiName.ini, what the
    take-off counts it as (one or two names), how it is drawn from the main
    and branch rows, and which size pairs it is made in: EQUAL (main =
    branch), REDUCING (equal, and each main with the next `steps` smaller
    branches) or SMALLER (only those smaller branches); `sizes` narrows the
    family's sizes."""

    def __init__(self, cell, name, draw, totals=None, pairs=EQUAL, sizes=None, steps=3):
        self.cell, self.name, self.draw = cell, name, draw
        self.totals = totals or [name]
        self.pairs, self.sizes, self.steps = pairs, sizes, steps


def combined(name):
    """The take-off name of a combined fitting: the part without its pipe."""
    return name.replace("（直管付・逆）", "").replace("（枝直管付）", "").replace("（直管付）", "")


def cells_with_pipe(*specs):
    """Cells whose take-off names drop the straight pipe of a combined fitting."""
    return [Cell(c, name, draw, [combined(name)], *rest) for c, name, draw, *rest in specs]


class Family:
    def __init__(self, index, folder, material, number, material_class, prefix, table, sheets, sample,
                 numbers=None, field_base=0):
        self.index, self.folder, self.material, self.number = index, folder, material, number
        self.material_class, self.prefix, self.table, self.sheets = material_class, prefix, table, sheets
        self.sample = str(sample)  # the size drawn on the sheet pictures
        self.numbers = numbers or {}  # family number by sheet where it differs
        self.field_base = field_base  # families sharing a part folder keep their fields apart

    def number_on(self, sheet):
        return self.numbers.get(sheet, self.number)

    def field(self, sheet, cell):
        """The SheetName.ini field of a cell: a letter for the sheet, the cell
        number and "A"."""
        return "%s%02dA" % (chr(ord("A") + self.field_base + sheet - 1), cell)


# --------------------------------------------------------------- families
# Each family: its table, then its sheets. Cells of combined fittings (the
# family's "sheet-cell" keys of the catalogue dialog) carry "（直管付）" and
# their straight pipe.

def socket_parts(kit):
    return {
        "elbow": lambda m, b: kit.elbow(90, m),
        "elbow_pipe": lambda m, b: kit.elbow(90, m, stub=1),
        "elbow_pipe_in": lambda m, b: kit.elbow(90, m, stub=0),
        "elbow45_pipe": lambda m, b: kit.elbow(45, m, stub=1),
        "elbow45_pipe_in": lambda m, b: kit.elbow(45, m, stub=0),
        "elbow45": lambda m, b: kit.elbow(45, m),
        "reducing_elbow": lambda m, b: kit.elbow(90, m, b),
        "tee": lambda m, b: kit.tee(m, b),
        "tee_pipe": lambda m, b: kit.tee(m, b, "run"),
        "tee_branch_pipe": lambda m, b: kit.tee(m, b, "branch"),
        "wye": lambda m, b: kit.wye(m, b),
        "wye_pipe": lambda m, b: kit.wye(m, b, "run"),
        "wye_branch_pipe": lambda m, b: kit.wye(m, b, "branch"),
        "cross": lambda m, b: kit.cross(m, b),
        "socket": lambda m, b: kit.socket(m),
        "reducing_socket": lambda m, b: kit.socket(m, b),
        "cap": lambda m, b: kit.cap(m),
    }


def elbow_sheet(p, reducing_sizes=None, extra=()):
    """Sheet 1 of the families whose combined fittings are 1-2 and 1-3."""
    cells = [Cell(1, "90°エルボ", p["elbow"]),
             *cells_with_pipe((2, "90°エルボ（直管付）", p["elbow_pipe"]), (3, "45°エルボ（直管付）", p["elbow45_pipe"])),
             Cell(4, "45°エルボ", p["elbow45"])]
    if reducing_sizes:
        cells.append(Cell(5, "径違いエルボ", p["reducing_elbow"], pairs=SMALLER, steps=2, sizes=reducing_sizes))
    return cells + list(extra)


def tee_cells(p):
    """Cells 1..3 of a tee sheet whose combined fittings are 2-2 and 2-3."""
    return [Cell(1, "チーズ", p["tee"], pairs=REDUCING, steps=4),
            *cells_with_pipe((2, "チーズ（直管付）", p["tee_pipe"], REDUCING, None, 4),
                             (3, "チーズ（枝直管付）", p["tee_branch_pipe"], REDUCING, None, 4))]


# 0 ＴＳ継手: PVC solvent-cement fittings for water (VP).
PVC_STEEL = ("approximate: the steel size of the same outer diameter",
             {13: 10, 16: 15, 20: 20, 25: 25, 30: 32, 40: 40, 50: 50, 65: 65, 75: 80, 100: 100, 125: 125, 150: 150,
              200: 200, 250: 250, 300: 300})
TS_TABLE = Table(between(13, 150, PVC), {
    "steel": PVC_STEEL,
    "depth": (APPROX + ": socket depth 0.95 d + 9", lambda r: round(0.95 * r["d"] + 9)),
    "cup": (APPROX + ": socket wall 0.08 d + 2", lambda r: 0.08 * r["d"] + 2),
    "wall": (APPROX + ": body wall 0.06 d + 1.5", lambda r: 0.06 * r["d"] + 1.5),
    "gap": (APPROX + ": stop between sockets 0.1 d + 2", lambda r: 0.1 * r["d"] + 2),
    "A90": (APPROX + ": centre to end 1.55 d + 12", lambda r: round(1.55 * r["d"] + 12)),
    "A45": (APPROX + ": centre to end 1.2 d + 10", lambda r: round(1.2 * r["d"] + 10)),
    **flange_columns(("10K", FLANGE_10K))})
ts = Socketed()
P = socket_parts(ts)


def socket_flange(m, b):
    """A flange on a socket (TS or copper flange): face at the origin."""
    thickness, outer, pcd = rating_of(m, "10K")
    return flange_pair(m["d"], thickness, outer, pcd, m["depth"] - thickness, False, m["d"] / 2 + m["cup"])


FAMILY_TS = Family(0, "TS", "E", "13", 2, "TS_", TS_TABLE, {
    1: elbow_sheet(P, between(20, 50, PVC), [
        Cell(6, "給水栓エルボ", lambda m, b: ts.faucet_elbow(m, False), sizes=[13, 20, 25]),
        Cell(7, "座付給水栓エルボ", lambda m, b: ts.faucet_elbow(m, True), sizes=[13, 20, 25])]),
    2: tee_cells(P) + [Cell(4, "給水栓チーズ", lambda m, b: ts.faucet_tee(m), sizes=[13, 20, 25])],
    3: [Cell(1, "ソケット", P["socket"]),
        Cell(2, "径違いソケット", P["reducing_socket"], pairs=SMALLER),
        Cell(3, "キャップ", P["cap"]),
        Cell(4, "バルブ用ソケット", lambda m, b: ts.threaded_adapter(m, True), sizes=between(13, 50, PVC)),
        Cell(5, "給水栓用ソケット", lambda m, b: ts.faucet_socket(m), sizes=[13, 20, 25]),
        Cell(6, "ＴＳフランジ", socket_flange, sizes=between(20, 150, PVC))],
}, sample=50)


# 1 ＤＶ継手: PVC drainage fittings.
DV_TABLE = Table(between(40, 200, PVC), {
    "depth": (APPROX + ": socket depth 0.6 d + 12", lambda r: round(0.6 * r["d"] + 12)),
    "cup": (APPROX + ": socket wall 0.06 d + 2", lambda r: 0.06 * r["d"] + 2),
    "wall": (APPROX + ": body wall 0.05 d + 1.5", lambda r: 0.05 * r["d"] + 1.5),
    "gap": (APPROX + ": stop between sockets 0.08 d + 2", lambda r: 0.08 * r["d"] + 2),
    "A90": (APPROX + ": centre to end 1.3 d + 14", lambda r: round(1.3 * r["d"] + 14)),
    "A45": (APPROX + ": centre to end 0.95 d + 12", lambda r: round(0.95 * r["d"] + 12)),
    "R": (APPROX + ": long-radius bend 1.5 d", lambda r: 1.5 * r["d"])})
dv = Socketed()
DVP = socket_parts(dv)


def swept(kit, turn, stub=None):
    """A long-radius bend (radius "R") with the kit's ends beyond its
    tangents."""
    def draw(m, b):
        end = outward(kit.end(m), kit.end_reach(m))
        return swept_bend(turn, m["R"], m["d"], ends=(end, end), stub=stub_length(m["d"]) if stub is not None else 0,
                          stub_end=stub if stub is not None else 1)
    return draw


def drainage_sheets(p, swept, elbow_cells2, tee_label, wye_cells, socket_cells):
    """Sheets 1..3 of DV and ドレネジ: combined 1-2, 1-3, 1-12, 1-13 (elbows),
    2-17..2-20 and 3-7..3-10."""
    return {
        1: [Cell(1, "90°エルボ", p["elbow"]),
            *cells_with_pipe((2, "90°エルボ（直管付）", p["elbow_pipe"]), (3, "90°エルボ（直管付・逆）", p["elbow_pipe_in"])),
            Cell(4, "90°大曲がりエルボ", swept(90)),
            Cell(5, "径違いエルボ", p["reducing_elbow"], pairs=SMALLER, steps=2),
            Cell(11, "45°大曲がりエルボ", swept(45)),
            *cells_with_pipe((12, "90°大曲がりエルボ（直管付）", swept(90, 1)),
                             (13, "90°大曲がりエルボ（直管付・逆）", swept(90, 0)))],
        2: elbow_cells2 + [
            *cells_with_pipe((17, "45°エルボ（直管付）", p["elbow45_pipe"]), (18, "45°エルボ（直管付・逆）", p["elbow45_pipe_in"]),
                             (19, tee_label + "（直管付）", p["tee_pipe"], REDUCING), (20, tee_label + "（枝直管付）",
                                                                                   p["tee_branch_pipe"], REDUCING))],
        3: wye_cells,
        4: socket_cells,
    }


FAMILY_DV = Family(1, "DV", "E", "14", 2, "DV_", DV_TABLE, drainage_sheets(
    DVP, lambda turn, stub=None: swept(dv, turn, stub),
    [Cell(1, "45°エルボ", DVP["elbow45"]), Cell(6, "ＬＴ（大曲がりＴ）", DVP["tee"], pairs=REDUCING)],
    "ＬＴ",
    [Cell(1, "ＤＴ", DVP["tee"], pairs=REDUCING), Cell(2, "Ｙ", DVP["wye"], pairs=REDUCING),
     Cell(3, "両Ｙ", lambda m, b: dv.draw([dv.port(180, dv.wye_run(m, m, 45), m), dv.port(0, dv.wye_run(m, m, 45), m),
                                           dv.port(45, dv.a90(m) * 1.2, m), dv.port(315, dv.a90(m) * 1.2, m)])),
     *cells_with_pipe((7, "ＤＴ（直管付）", DVP["tee_pipe"], REDUCING), (8, "ＤＴ（枝直管付）", DVP["tee_branch_pipe"], REDUCING),
                      (9, "Ｙ（直管付）", DVP["wye_pipe"], REDUCING), (10, "Ｙ（枝直管付）", DVP["wye_branch_pipe"], REDUCING))],
    [Cell(1, "ソケット", DVP["socket"]), Cell(2, "径違いソケット", DVP["reducing_socket"], pairs=SMALLER),
     Cell(3, "掃除口", lambda m, b: dv.cap(m)), Cell(4, "キャップ", DVP["cap"])]), sample=100)


# 2, 3 ＭＤ継手: mechanical joints for drainage steel pipes, simplified and detailed.
MD_SIZES = between(40, 150, STEEL)
MD_TABLE = Table(MD_SIZES, {
    "depth": (APPROX + ": socket depth 0.3 d + 22", lambda r: round(0.3 * r["d"] + 22)),
    "wall": (APPROX + ": body wall 0.05 d + 3", lambda r: 0.05 * r["d"] + 3),
    "F": (APPROX + ": gland outer diameter 1.45 d + 30", lambda r: round(1.45 * r["d"] + 30)),
    "tg": (APPROX + ": gland thickness 0.06 d + 8", lambda r: round(0.06 * r["d"] + 8)),
    "C": (APPROX + ": bolt circle 1.2 d + 20", lambda r: round(1.2 * r["d"] + 20)),
    "A90": (APPROX + ": centre to end 1.1 d + 55", lambda r: round(1.1 * r["d"] + 55)),
    "A45": (APPROX + ": centre to end 0.7 d + 48", lambda r: round(0.7 * r["d"] + 48)),
    "R": (APPROX + ": long-radius bend 1.5 d + 20", lambda r: 1.5 * r["d"] + 20)})


def md_sheets(kit):
    p = socket_parts(kit)

    def swept(turn, stub=None):
        return lambda m, b: kit.swept(turn, m, stub)
    return {
        1: [Cell(1, "90°エルボ", p["elbow"]),
            *cells_with_pipe((2, "90°エルボ（直管付）", p["elbow_pipe"]), (3, "90°エルボ（直管付・逆）", p["elbow_pipe_in"])),
            Cell(4, "90°大曲がりエルボ", swept(90)),
            Cell(11, "45°大曲がりエルボ", swept(45)),
            *cells_with_pipe((12, "90°大曲がりエルボ（直管付）", swept(90, 1)),
                             (13, "90°大曲がりエルボ（直管付・逆）", swept(90, 0)))],
        2: [Cell(1, "45°エルボ", p["elbow45"]), Cell(2, "ＴＹ", p["wye"], pairs=REDUCING),
            *cells_with_pipe((16, "45°エルボ（直管付）", p["elbow45_pipe"]), (17, "45°エルボ（直管付・逆）", p["elbow45_pipe_in"]),
                             (18, "ＴＹ（直管付）", p["wye_pipe"], REDUCING), (19, "ＴＹ（枝直管付）", p["wye_branch_pipe"],
                                                                           REDUCING))],
        3: [Cell(1, "ＳＴ", p["tee"], pairs=REDUCING), Cell(2, "Ｙ", p["wye"], pairs=REDUCING),
            *cells_with_pipe((16, "ＳＴ（直管付）", p["tee_pipe"], REDUCING), (17, "ＳＴ（枝直管付）", p["tee_branch_pipe"], REDUCING),
                             (18, "Ｙ（直管付）", p["wye_pipe"], REDUCING), (19, "Ｙ（枝直管付）", p["wye_branch_pipe"],
                                                                         REDUCING))],
        4: [Cell(1, "ＭＤジョイント", p["socket"]), Cell(2, "径違いソケット", p["reducing_socket"], pairs=SMALLER),
            Cell(3, "掃除口", lambda m, b: kit.cleanout(m))],
    }


FAMILY_MD1 = Family(2, "MD1", "K", "09", 1, "MD_", MD_TABLE, md_sheets(Glanded(False)), sample=100)
FAMILY_MD2 = Family(3, "MD2", "K", "10", 1, "MD_", MD_TABLE, md_sheets(Glanded(True)), sample=100)


# 4 ドレネジ継手 (JIS B 2303): screwed drainage fittings.
DR_TABLE = Table(between(32, 150, STEEL), {
    "A90": (APPROX + ": centre to end 1.05 d + 30", lambda r: round(1.05 * r["d"] + 30)),
    "A45": (APPROX + ": centre to end 0.6 d + 25", lambda r: round(0.6 * r["d"] + 25)),
    "L": (APPROX + ": socket length 0.9 d + 34", lambda r: round(0.9 * r["d"] + 34)),
    "wall": (APPROX + ": body wall 0.07 d + 4", lambda r: 0.07 * r["d"] + 4),
    "bead": (APPROX + ": bead width 0.12 d + 6", lambda r: 0.12 * r["d"] + 6),
    "rise": (APPROX + ": bead height 0.03 d + 2", lambda r: 0.03 * r["d"] + 2),
    "engage": (APPROX + ": thread engaged 0.2 d + 12", lambda r: round(0.2 * r["d"] + 12)),
    "R": (APPROX + ": long-radius bend 1.5 d + 20", lambda r: 1.5 * r["d"] + 20)})
dr = Screwed()
DRP = socket_parts(dr)


FAMILY_DR = Family(4, "DR", "K", "07", 1, "DR_", DR_TABLE, drainage_sheets(
    DRP, lambda turn, stub=None: swept(dr, turn, stub),
    [Cell(1, "45°エルボ", DRP["elbow45"]), Cell(6, "ＴＹ", DRP["wye"], pairs=REDUCING)],
    "ＴＹ",
    [Cell(1, "ＳＴ", DRP["tee"], pairs=REDUCING), Cell(2, "Ｙ", DRP["wye"], pairs=REDUCING),
     *cells_with_pipe((7, "ＳＴ（直管付）", DRP["tee_pipe"], REDUCING), (8, "ＳＴ（枝直管付）", DRP["tee_branch_pipe"], REDUCING),
                      (9, "Ｙ（直管付）", DRP["wye_pipe"], REDUCING), (10, "Ｙ（枝直管付）", DRP["wye_branch_pipe"], REDUCING))],
    [Cell(1, "ソケット", DRP["socket"]), Cell(2, "径違いソケット", DRP["reducing_socket"], pairs=SMALLER),
     Cell(3, "掃除口", lambda m, b: dr.plug(m)), Cell(4, "ブッシング", lambda m, b: dr.bushing(m, b), pairs=SMALLER)]),
    sample=100)


# 5 溶接継手: steel butt-welding fittings (JIS B 2311) and flanges (JIS B 2220).
YT_SIZES = between(15, 500, STEEL)
YT_TABLE = Table(YT_SIZES, {
    "steel": STEEL_SIZE,
    "L90": ("JIS B 2311, 90° long elbow, centre to end F", by_size(YT_SIZES, [
        38.1, 28.6, 38.1, 47.6, 57.2, 76.2, 95.3, 114.3, 152.4, 190.5, 228.6, 304.8, 381.0, 457.2, 533.4, 609.6, 685.8,
        762.0])),
    "S90": ("JIS B 2311, 90° short elbow, centre to end F (1.0 × nominal inches; 15A and 20A not made)",
            lambda r: {15: 0, 20: 0}.get(int(r["size"]), round(r["L90"] / 1.5, 1))),
    "C": ("JIS B 2311, tee, centre to end C", by_size(YT_SIZES, [
        25.4, 28.6, 38.1, 47.6, 57.2, 63.5, 76.2, 85.7, 104.8, 123.8, 142.9, 177.8, 215.9, 254.0, 279.4, 304.8, 342.9,
        381.0])),
    "H": ("JIS B 2311, concentric reducer, length H", by_size(YT_SIZES, [
        38.1, 38.1, 50.8, 50.8, 63.5, 76.2, 88.9, 88.9, 101.6, 127.0, 139.7, 152.4, 177.8, 203.2, 330.2, 355.6, 381.0,
        508.0])),
    "E": ("JIS B 2311, cap, length E", by_size(YT_SIZES, [
        25.4, 25.4, 38.1, 38.1, 38.1, 38.1, 38.1, 50.8, 63.5, 76.2, 88.9, 101.6, 127.0, 152.4, 165.1, 177.8, 203.2,
        228.6])),
    **flange_columns(("5K", FLANGE_5K), ("10K", FLANGE_10K), ("20K", FLANGE_20K))})
yt = Welded()


def weld_flange(rating, pair=False, blind=False):
    """A slip-on welding flange (or a blind one) on the pipe from -x."""
    def draw(m, b):
        thickness, outer, pcd = rating_of(m, rating)
        if blind:
            return blind_flange(m["d"], thickness, outer, pcd)
        return flange_pair(m["d"], thickness, outer, pcd, 0.6 * thickness, pair, m["d"] / 2 + 0.05 * m["d"] + 3)
    return draw


def flange_cells(rating, first):
    return [Cell(first, "%sフランジ" % rating, weld_flange(rating)),
            Cell(first + 1, "%sフランジ（対）" % rating, weld_flange(rating, True),
                 ["%sフランジ" % rating, "%sフランジ" % rating]),
            Cell(first + 2, "%s閉止フランジ" % rating, weld_flange(rating, blind=True))]


SHORT = between(25, 500, STEEL)
FAMILY_YT = Family(5, "YT", "K", "02", 1, "YO_", YT_TABLE, {
    1: [Cell(1, "90°ロングエルボ", lambda m, b: yt.elbow(90, m)),
        *cells_with_pipe((2, "90°ロングエルボ（直管付）", lambda m, b: yt.elbow(90, m, stub=1)),
                         (3, "45°ロングエルボ（直管付）", lambda m, b: yt.elbow(45, m, stub=1))),
        Cell(4, "45°ロングエルボ", lambda m, b: yt.elbow(45, m)),
        Cell(5, "180°ロングベンド", lambda m, b: yt.return_bend(m))],
    2: [Cell(1, "90°ショートエルボ", lambda m, b: yt.elbow(90, m, short=True), sizes=SHORT),
        *cells_with_pipe((2, "90°ショートエルボ（直管付）", lambda m, b: yt.elbow(90, m, stub=1, short=True), EQUAL, SHORT),
                         (3, "90°ショートエルボ（直管付・逆）", lambda m, b: yt.elbow(90, m, stub=0, short=True), EQUAL,
                          SHORT)),
        Cell(4, "180°ショートベンド", lambda m, b: yt.return_bend(m, short=True), sizes=SHORT)],
    3: [Cell(1, "ティー", lambda m, b: yt.tee(m, b), pairs=REDUCING, steps=4),
        *cells_with_pipe((2, "ティー（直管付）", lambda m, b: yt.tee(m, b, "run"), REDUCING, None, 4),
                         (3, "ティー（枝直管付）", lambda m, b: yt.tee(m, b, "branch"), REDUCING, None, 4),
                         (4, "同心レジューサー（直管付）", lambda m, b: yt.reducer(m, b, stub=True), SMALLER, None, 2),
                         (5, "偏心レジューサー（直管付）", lambda m, b: yt.reducer(m, b, True, stub=True), SMALLER, None, 2)),
        Cell(6, "同心レジューサー", lambda m, b: yt.reducer(m, b), pairs=SMALLER, steps=2),
        Cell(7, "偏心レジューサー", lambda m, b: yt.reducer(m, b, True), pairs=SMALLER, steps=2),
        Cell(8, "キャップ", lambda m, b: yt.cap(m))],
    4: flange_cells("5K", 1) + flange_cells("10K", 6),
    5: flange_cells("20K", 1),
}, sample=100)


# 6 ねじ込み継手 (JIS B 2301): malleable iron screwed fittings.
NJ_SIZES = between(10, 150, STEEL)
NJ_TABLE = Table(NJ_SIZES, {
    "steel": STEEL_SIZE,
    "A90": ("JIS B 2301, elbow and tee, centre to end A", by_size(NJ_SIZES, [
        23, 27, 32, 38, 46, 48, 57, 69, 78, 97, 113, 132])),
    "A45": (APPROX + ": 45° elbow, centre to end 0.72 A + 2", lambda r: round(0.72 * r["A90"] + 2)),
    "L": (APPROX + ": socket length 0.95 A + 8", lambda r: round(0.95 * r["A90"] + 8)),
    "wall": (APPROX + ": body wall 0.06 d + 2.5", lambda r: 0.06 * r["d"] + 2.5),
    "bead": (APPROX + ": bead width 0.18 A + 2", lambda r: 0.18 * r["A90"] + 2),
    "rise": (APPROX + ": bead height 0.03 d + 1.5", lambda r: 0.03 * r["d"] + 1.5),
    "engage": (APPROX + ": thread engaged 0.38 A + 4", lambda r: round(0.38 * r["A90"] + 4)),
    **flange_columns(("5K", FLANGE_5K), ("10K", FLANGE_10K))})
nj = Screwed()
NJP = socket_parts(nj)
FAMILY_NJ = Family(6, "NJ", "K", "01", 1, "NE_", NJ_TABLE, {
    1: elbow_sheet(NJP, between(15, 100, STEEL), [
        Cell(6, "90°ストリートエルボ", lambda m, b: nj.street_elbow(90, m)),
        Cell(7, "45°ストリートエルボ", lambda m, b: nj.street_elbow(45, m), sizes=between(10, 100, STEEL))]),
    2: tee_cells(NJP) + [Cell(4, "クロス", NJP["cross"], sizes=between(10, 100, STEEL))],
    3: [Cell(1, "ソケット", NJP["socket"]),
        Cell(2, "径違いソケット", NJP["reducing_socket"], pairs=SMALLER),
        Cell(3, "ブッシング", lambda m, b: nj.bushing(m, b), pairs=SMALLER),
        Cell(4, "ニップル", lambda m, b: nj.nipple(m, hexagon=False)),
        Cell(5, "六角ニップル", lambda m, b: nj.nipple(m)),
        Cell(6, "径違いニップル", lambda m, b: nj.nipple(m, b), pairs=SMALLER, steps=2),
        Cell(7, "ユニオン", lambda m, b: nj.union(m), sizes=between(10, 100, STEEL)),
        Cell(8, "キャップ", NJP["cap"]),
        Cell(9, "プラグ", lambda m, b: nj.plug(m))],
    4: [Cell(1, "5Kねじ込みフランジ", lambda m, b: nj.flange(m, "5K")),
        Cell(2, "10Kねじ込みフランジ", lambda m, b: nj.flange(m, "10K")),
        Cell(3, "10Kねじ込みフランジ（対）", lambda m, b: nj.flange(m, "10K", True),
             ["10Kねじ込みフランジ", "10Kねじ込みフランジ"])],
}, sample=50)


# 7 銅管継手 (JIS H 3401): copper solder fittings.
COPPER_STEEL = ("approximate: the steel size of the same nominal size",
                {8: 10, 10: 10, 15: 15, 18: 15, 20: 20, 25: 25, 32: 32, 40: 40, 50: 50, 65: 65, 80: 80, 100: 100,
                 125: 125, 150: 150})
DK_TABLE = Table(COPPER, {
    "steel": COPPER_STEEL,
    "depth": (APPROX + ": solder cup depth 0.55 d + 4", lambda r: round(0.55 * r["d"] + 4, 1)),
    "cup": (APPROX + ": cup wall 0.04 d + 1", lambda r: 0.04 * r["d"] + 1),
    "wall": (APPROX + ": body wall 0.03 d + 0.8", lambda r: 0.03 * r["d"] + 0.8),
    "gap": (APPROX + ": stop 0.05 d + 1", lambda r: 0.05 * r["d"] + 1),
    "A90": (APPROX + ": centre to end 1.05 d + 8", lambda r: round(1.05 * r["d"] + 8)),
    "A45": (APPROX + ": centre to end 0.75 d + 6", lambda r: round(0.75 * r["d"] + 6)),
    **flange_columns(("10K", FLANGE_10K))})
dk = Socketed()
DKP = socket_parts(dk)
FAMILY_DK = Family(7, "DK", "D", "17", 3, "DO_", DK_TABLE, {
    1: elbow_sheet(DKP, None, [
        Cell(5, "90°片受けエルボ", lambda m, b: dk.street_elbow(90, m)),
        Cell(6, "45°片受けエルボ", lambda m, b: dk.street_elbow(45, m)),
        Cell(7, "給水栓エルボ", lambda m, b: dk.faucet_elbow(m, False), sizes=[10, 15, 20, 25]),
        Cell(8, "座付給水栓エルボ", lambda m, b: dk.faucet_elbow(m, True), sizes=[10, 15, 20, 25])]),
    2: tee_cells(DKP) + [Cell(4, "給水栓チーズ", lambda m, b: dk.faucet_tee(m), sizes=[10, 15, 20, 25])],
    3: [Cell(1, "ソケット", DKP["socket"]),
        Cell(2, "径違いソケット", DKP["reducing_socket"], pairs=SMALLER),
        Cell(3, "キャップ", DKP["cap"]),
        Cell(4, "おねじアダプター", lambda m, b: dk.threaded_adapter(m, True), sizes=between(8, 100, COPPER)),
        Cell(5, "めねじアダプター", lambda m, b: dk.threaded_adapter(m, False), sizes=between(8, 100, COPPER)),
        Cell(6, "ユニオン", lambda m, b: dk.union(m), sizes=between(8, 50, COPPER)),
        Cell(7, "銅管フランジ", socket_flange, sizes=between(20, 150, COPPER))],
}, sample=50)


# 8 管端コア継手: screwed fittings with pipe-end cores for lined steel pipes.
KT_SIZES = between(15, 150, STEEL)
KT_TABLE = Table(KT_SIZES, {
    "A90": ("JIS B 2301, elbow and tee, centre to end A (the malleable body the cores go into)", by_size(KT_SIZES, [
        27, 32, 38, 46, 48, 57, 69, 78, 97, 113, 132])),
    "A45": (APPROX + ": 45° elbow, centre to end 0.72 A + 2", lambda r: round(0.72 * r["A90"] + 2)),
    "L": (APPROX + ": socket length 0.95 A + 8", lambda r: round(0.95 * r["A90"] + 8)),
    "wall": (APPROX + ": body wall with its lining 0.08 d + 3", lambda r: 0.08 * r["d"] + 3),
    "bead": (APPROX + ": bead width 0.18 A + 2", lambda r: 0.18 * r["A90"] + 2),
    "rise": (APPROX + ": bead height 0.03 d + 1.5", lambda r: 0.03 * r["d"] + 1.5),
    "engage": (APPROX + ": thread engaged 0.38 A + 4", lambda r: round(0.38 * r["A90"] + 4))})
kt = Screwed()
KTP = socket_parts(kt)
FAMILY_KT = Family(8, "KT", "K", "03", 1, "KO_", KT_TABLE, {
    1: elbow_sheet(KTP, between(20, 100, STEEL)),
    2: tee_cells(KTP) + [
        Cell(4, "ソケット", KTP["socket"]),
        Cell(5, "径違いソケット", KTP["reducing_socket"], pairs=SMALLER),
        Cell(6, "ユニオン", lambda m, b: kt.union(m), sizes=between(15, 100, STEEL)),
        Cell(7, "キャップ", KTP["cap"]),
        Cell(8, "バルブ用ソケット", lambda m, b: kt.nipple(m))],
}, sample=50)


# 9 SUS拡管式継手 and 10 SUSプレス継手: stainless fittings for JIS G 3448 pipes.
SUS_STEEL = ("approximate: the steel size of the same bore",
             {13: 15, 20: 20, 25: 25, 30: 32, 40: 40, 50: 50, 60: 50})


def stainless_table(depth, lip):
    return Table(STAINLESS, {
        "steel": SUS_STEEL,
        "depth": (APPROX + ": socket depth " + depth[0], depth[1]),
        "lip": (APPROX + ": joint ring width " + lip[0], lip[1]),
        "cup": (APPROX + ": socket wall 0.05 d + 1.5", lambda r: 0.05 * r["d"] + 1.5),
        "wall": (APPROX + ": body wall 0.03 d + 0.8", lambda r: 0.03 * r["d"] + 0.8),
        "gap": (APPROX + ": stop 0.05 d + 2", lambda r: 0.05 * r["d"] + 2),
        "A90": (APPROX + ": centre to end 1.1 d + 22", lambda r: round(1.1 * r["d"] + 22)),
        "A45": (APPROX + ": centre to end 0.7 d + 17", lambda r: round(0.7 * r["d"] + 17)),
        **flange_columns(("10K", FLANGE_10K))})


ST_TABLE = stainless_table(("0.5 d + 16", lambda r: round(0.5 * r["d"] + 16)), ("0.12 d + 3", lambda r: 0.12 * r["d"] + 3))
MO_TABLE = stainless_table(("0.45 d + 18", lambda r: round(0.45 * r["d"] + 18)), ("0.2 d + 4", lambda r: 0.2 * r["d"] + 4))
st, mo = Socketed(lip=True), Socketed(lip=True)
STP, MOP = socket_parts(st), socket_parts(mo)


def faucet_sheet(kit):
    return [Cell(1, "水栓エルボ", lambda m, b: kit.faucet_elbow(m, False), sizes=[13, 20, 25]),
            Cell(2, "座付水栓エルボ", lambda m, b: kit.faucet_elbow(m, True), sizes=[13, 20, 25]),
            Cell(3, "水栓ソケット", lambda m, b: kit.faucet_socket(m), sizes=[13, 20, 25]),
            Cell(4, "水栓チーズ", lambda m, b: kit.faucet_tee(m), sizes=[13, 20, 25])]


FAMILY_ST = Family(9, "ST", "S", "21", 5, "NI_", ST_TABLE, {
    1: elbow_sheet(STP),
    2: tee_cells(STP) + [
        Cell(4, "ソケット", STP["socket"]),
        Cell(5, "径違いソケット", STP["reducing_socket"], pairs=SMALLER),
        Cell(6, "キャップ", STP["cap"]),
        Cell(7, "おねじアダプター", lambda m, b: st.threaded_adapter(m, True)),
        Cell(8, "めねじアダプター", lambda m, b: st.threaded_adapter(m, False)),
        Cell(9, "ユニオン", lambda m, b: st.union(m))],
    3: faucet_sheet(st),
}, sample=30)
FAMILY_MO = Family(10, "MO", "S", "20", 5, "MO_", MO_TABLE, {
    1: elbow_sheet(MOP),
    2: [Cell(1, "90°片ソケットエルボ", lambda m, b: mo.street_elbow(90, m)),
        Cell(2, "45°片ソケットエルボ", lambda m, b: mo.street_elbow(45, m)),
        *cells_with_pipe((6, "90°片ソケットエルボ（直管付）", lambda m, b: mo.street_elbow(90, m, 0)),
                         (7, "90°片ソケットエルボ（直管付・逆）", lambda m, b: mo.street_elbow(90, m, 1)),
                         (8, "45°片ソケットエルボ（直管付）", lambda m, b: mo.street_elbow(45, m, 0)),
                         (9, "45°片ソケットエルボ（直管付・逆）", lambda m, b: mo.street_elbow(45, m, 1)))],
    3: tee_cells(MOP) + [
        Cell(4, "ソケット", MOP["socket"]),
        Cell(5, "径違いソケット", MOP["reducing_socket"], pairs=SMALLER),
        Cell(6, "キャップ", MOP["cap"])],
    4: [Cell(1, "おねじアダプター", lambda m, b: mo.threaded_adapter(m, True)),
        Cell(2, "めねじアダプター", lambda m, b: mo.threaded_adapter(m, False)),
        Cell(3, "ステンレスフランジ", socket_flange)],
    5: faucet_sheet(mo)[:3],
}, sample=30)


# 11 フランジ継手: flanged cast iron fittings with 10K flanges.
FT_SIZES = between(40, 300, STEEL)
FT_TABLE = Table(FT_SIZES, {
    "steel": STEEL_SIZE,
    "A90": (APPROX + ": centre to face 0.95 d + 80", lambda r: round(0.95 * r["d"] + 80)),
    "A45": (APPROX + ": centre to face 0.5 d + 65", lambda r: round(0.5 * r["d"] + 65)),
    "H": (APPROX + ": face to face of reducers and short pipes 0.6 d + 150", lambda r: round(0.6 * r["d"] + 150)),
    "wall": (APPROX + ": body wall 0.04 d + 6", lambda r: 0.04 * r["d"] + 6),
    **flange_columns(("10K", FLANGE_10K))})
ft = Flanged()
FTP = socket_parts(ft)
FAMILY_FT = Family(11, "FT", "K", "06", 1, "FK_", FT_TABLE, {
    1: elbow_sheet(FTP),
    2: tee_cells(FTP) + [
        Cell(4, "フランジレジューサー", lambda m, b: ft.reducer(m, b), pairs=SMALLER, steps=2),
        Cell(5, "フランジ短管", lambda m, b: ft.spool(m)),
        Cell(6, "クロス", FTP["cross"])],
}, sample=100)


# 12..15 鋳鉄管: drainage cast iron pipes and fittings (JIS G 5525 sizes).
CI_SIZES = between(50, 200, CAST_IRON)
CI_TABLE = Table(CI_SIZES, {
    "depth": (APPROX + ": hub depth 0.25 d + 55", lambda r: round(0.25 * r["d"] + 55)),
    "hub": (APPROX + ": hub wall 0.08 d + 7", lambda r: 0.08 * r["d"] + 7),
    "bead": (APPROX + ": bead width 0.08 d + 8", lambda r: 0.08 * r["d"] + 8),
    "spigot": (APPROX + ": spigot 0.3 d + 40", lambda r: round(0.3 * r["d"] + 40)),
    "RL": (APPROX + ": long bend radius 2.0 d + 30", lambda r: 2.0 * r["d"] + 30),
    "RS": (APPROX + ": short bend radius 1.0 d + 20", lambda r: 1.0 * r["d"] + 20),
    "A": (APPROX + ": Y and T, centre to end 1.1 d + 70", lambda r: round(1.1 * r["d"] + 70))})


def cast_iron_sheets_1(kit):
    def bend(turn, long=True, double=False, stub=None):
        return lambda m, b: kit.bend(turn, m, long, double, stub)

    def branch(angle, long=False, double=False, stub=None):
        return lambda m, b: kit.branch(m, b, angle, long, double, stub)
    return {
        1: [Cell(1, "90°長曲管", bend(90)), Cell(2, "90°短曲管", bend(90, False))],
        2: [Cell(1, "両受け90°長曲管", bend(90, double=True)),
            *cells_with_pipe((2, "両受け90°長曲管（直管付）", bend(90, double=True, stub=1)),
                             (3, "両受け90°長曲管（直管付・逆）", bend(90, double=True, stub=0)),
                             (4, "両受け90°短曲管（直管付）", bend(90, False, True, 1)),
                             (5, "両受け90°短曲管（直管付・逆）", bend(90, False, True, 0))),
            Cell(6, "両受け90°短曲管", bend(90, False, True))],
        3: [Cell(1, "45°曲管", bend(45)), Cell(2, "両受け45°曲管", bend(45, double=True)),
            Cell(3, "22°1/2曲管", bend(22.5))],
        4: [Cell(1, "90°Ｙ管（ＴＹ）", branch(60), pairs=REDUCING),
            Cell(2, "長ＴＹ管", branch(60, True), pairs=REDUCING),
            Cell(3, "両ＴＹ管（ＷＴＹ）", branch(60, double=True), pairs=REDUCING),
            *cells_with_pipe((6, "90°Ｙ管（ＴＹ）（直管付）", branch(60, stub="run"), REDUCING),
                             (7, "90°Ｙ管（ＴＹ）（枝直管付）", branch(60, stub="branch"), REDUCING),
                             (8, "長ＴＹ管（直管付）", branch(60, True, stub="run"), REDUCING),
                             (9, "長ＴＹ管（枝直管付）", branch(60, True, stub="branch"), REDUCING))],
        5: [Cell(1, "Ｔ管（ＳＴ）", branch(90), pairs=REDUCING), Cell(2, "Ｙ管（Ｙ）", branch(45), pairs=REDUCING),
            Cell(3, "両Ｙ管", branch(45, double=True), pairs=REDUCING)],
        6: [Cell(1, "直管（片受）", lambda m, b: kit.pipe(m)), Cell(2, "直管（両受）", lambda m, b: kit.pipe(m, True))],
    }


def cast_iron_sheets_2(kit):
    def branch(angle, long=False):
        return lambda m, b: kit.branch(m, b, angle, long)
    return {
        1: [Cell(1, "ＬＴＹ管", branch(60, True), pairs=REDUCING), Cell(2, "ＬＹ管", branch(45, True), pairs=REDUCING)],
        2: [Cell(1, "90°Ｌ曲管", lambda m, b: kit.bend(90, m, False, True)),
            Cell(2, "Ｌ管", lambda m, b: kit.bend(90, m, False)),
            Cell(3, "ＧＳ", lambda m, b: kit.socket(m)),
            Cell(4, "ソケット", lambda m, b: kit.socket(m)),
            Cell(5, "ＣＯＴ", lambda m, b: kit.branch(m, m, 90), sizes=between(50, 150, CAST_IRON))],
        3: [Cell(1, "ＶＳＴ直管", lambda m, b: kit.pipe(m)), Cell(2, "ＶＳＴ90°曲管", lambda m, b: kit.bend(90, m))],
        4: [Cell(1, "ＶＳＴ Ｙ管", branch(45), pairs=REDUCING), Cell(2, "ＶＳＴ Ｔ管", branch(90), pairs=REDUCING)],
        5: [Cell(1, "CO付90°長曲管（台付）", lambda m, b: kit.stand(m, kit.bend(90, m) + kit.cleanout_on_bend(m)))],
        6: [Cell(1, "CO付90°両受長曲管（台付）", lambda m, b: kit.stand(m, kit.bend(90, m, double=True)
                                                                  + kit.cleanout_on_bend(m)))],
    }


simple_iron, detailed_iron = CastIron(False), CastIron(True)
FAMILY_CK1 = Family(12, "CK", "T", "11", 4, "C1_", CI_TABLE, cast_iron_sheets_1(simple_iron), sample=100)
FAMILY_CK2 = Family(13, "CK", "T", "11", 4, "C2_", CI_TABLE, cast_iron_sheets_2(simple_iron), sample=100,
                    field_base=6)
FAMILY_CS1 = Family(14, "CS", "T", "12", 4, "C1_", CI_TABLE, cast_iron_sheets_1(detailed_iron), sample=100)
FAMILY_CS2 = Family(15, "CS", "T", "12", 4, "C2_", CI_TABLE, cast_iron_sheets_2(detailed_iron), sample=100,
                    field_base=6)


# 16..19 valves. A valve row: "L" face to face screwed, "LF" flanged, "B"
# half the body's height, "H" stem height, "W" handwheel or lever length,
# "hex" width of a screwed end's hexagon.
def proportion(text, f):
    return (APPROX + ": " + text, f)


def valve_table(sizes, length, flanged_length, body, height, wheel):
    return Table(sizes, {
        "steel": STEEL_SIZE,
        "L": length, "LF": flanged_length, "B": body, "H": height, "W": wheel,
        "hex": proportion("hexagon width 0.25 d + 8", lambda r: 0.25 * r["d"] + 8),
        **flange_columns(("5K", FLANGE_5K), ("10K", FLANGE_10K))})


def flanged(draw):
    """A valve drawn with flanged ends: its flanged face to face."""
    return lambda m, b: draw(dict(m, L=m["LF"]), True)


def screwed(draw):
    return lambda m, b: draw(m, False)


BRONZE_TABLE = valve_table(
    between(10, 100, STEEL), proportion("face to face 1.3 d + 35", lambda r: round(1.3 * r["d"] + 35)),
    proportion("flanged face to face 1.4 d + 75", lambda r: round(1.4 * r["d"] + 75)),
    proportion("body 0.45 d + 4", lambda r: 0.45 * r["d"] + 4), proportion("stem 0.7 d + 20", lambda r: 0.7 * r["d"] + 20),
    proportion("handwheel 1.3 d + 35", lambda r: round(1.3 * r["d"] + 35)))
SCREWED_BRONZE, FLANGED_BRONZE = between(10, 80, STEEL), between(15, 100, STEEL)
COMPANION = "コンパニオンフランジ"
FAMILY_SDB = Family(16, "SDB", "K", "22", 1, "BC_", BRONZE_TABLE, {
    1: [Cell(1, "5Kゲート弁（ねじ込み）", screwed(gate_valve), ["ゲート弁"], sizes=SCREWED_BRONZE),
        Cell(2, "10Kゲート弁（ねじ込み）", screwed(gate_valve), ["ゲート弁"], sizes=SCREWED_BRONZE),
        Cell(3, "10Kゲート弁（フランジ）", flanged(gate_valve), ["ゲート弁", COMPANION], sizes=FLANGED_BRONZE)],
    2: [Cell(1, "5Kグローブ弁（ねじ込み）", screwed(globe_valve), ["グローブ弁"], sizes=SCREWED_BRONZE),
        Cell(2, "10Kグローブ弁（ねじ込み）", screwed(globe_valve), ["グローブ弁"], sizes=SCREWED_BRONZE),
        Cell(3, "10Kグローブ弁（フランジ）", flanged(globe_valve), ["グローブ弁", COMPANION], sizes=FLANGED_BRONZE),
        Cell(4, "アングル弁（ねじ込み）", lambda m, b: angle_valve(m), ["アングル弁"], sizes=between(10, 50, STEEL))],
    3: [Cell(1, "スイングチェッキ弁（ねじ込み）", screwed(check_valve), ["スイングチェッキ弁"], sizes=SCREWED_BRONZE),
        Cell(2, "リフトチェッキ弁（ねじ込み）", lambda m, b: check_valve(m, False, False), ["リフトチェッキ弁"],
             sizes=between(10, 50, STEEL)),
        Cell(3, "Ｙ形ストレーナー（ねじ込み）", screwed(y_strainer), ["Ｙ形ストレーナー"], sizes=SCREWED_BRONZE),
        Cell(4, "スイングチェッキ弁（フランジ）", flanged(check_valve), ["スイングチェッキ弁", COMPANION],
             sizes=FLANGED_BRONZE),
        Cell(5, "Ｙ形ストレーナー（フランジ）", flanged(y_strainer), ["Ｙ形ストレーナー", COMPANION], sizes=FLANGED_BRONZE)],
    4: [Cell(1, "ボール弁（ねじ込み）", screwed(ball_valve), ["ボール弁"], sizes=between(10, 50, STEEL)),
        Cell(2, "ボール弁（フランジ）", flanged(ball_valve), ["ボール弁", COMPANION], sizes=FLANGED_BRONZE)],
}, sample=40)


# 17 鋳鉄弁 (JIS B 2031): flanged cast iron valves.
IRON_VALVE_TABLE = valve_table(
    between(50, 300, STEEL), proportion("not screwed: as flanged", lambda r: round(0.7 * r["d"] + 135)),
    proportion("face to face 0.7 d + 135", lambda r: round(0.7 * r["d"] + 135)),
    proportion("body 0.45 d + 10", lambda r: 0.45 * r["d"] + 10), proportion("stem 0.6 d + 50", lambda r: 0.6 * r["d"] + 50),
    proportion("handwheel 1.1 d + 90", lambda r: round(1.1 * r["d"] + 90)))


def rated(draw, rating):
    return lambda m, b: draw(dict(m, L=m["LF"]), True, rating)


FAMILY_CB = Family(17, "CB", "K", "22", 1, "FC_", IRON_VALVE_TABLE, {
    1: [Cell(1, "5Kゲート弁", rated(gate_valve, "5K"), ["ゲート弁"]),
        Cell(2, "10Kゲート弁", rated(gate_valve, "10K"), ["ゲート弁"])],
    2: [Cell(1, "10Kグローブ弁", rated(globe_valve, "10K"), ["グローブ弁"], sizes=between(50, 200, STEEL)),
        Cell(2, "10Kスイングチェッキ弁", flanged(check_valve), ["スイングチェッキ弁"]),
        Cell(3, "10Kリフトチェッキ弁", lambda m, b: check_valve(dict(m, L=m["LF"]), True, False), ["リフトチェッキ弁"],
             sizes=between(50, 200, STEEL))],
    3: [Cell(1, "10KＹ形ストレーナー", flanged(y_strainer), ["Ｙ形ストレーナー"])],
}, sample=100)


# 18 バタフライ弁: wafer butterfly valves between 10K flanges.
BUTTERFLY_SIZES = between(40, 300, STEEL)
BUTTERFLY_TABLE = Table(BUTTERFLY_SIZES, {
    "steel": STEEL_SIZE,
    "L": (APPROX + ": face to face as ISO 5752 series 20 is commonly listed", by_size(BUTTERFLY_SIZES, [
        33, 43, 46, 46, 52, 56, 56, 60, 68, 78])),
    "H": proportion("neck 0.9 d + 60", lambda r: 0.9 * r["d"] + 60),
    "W": proportion("lever 0.8 d + 160", lambda r: round(0.8 * r["d"] + 160)),
    **flange_columns(("10K", FLANGE_10K))})
FAMILY_BB = Family(18, "BB", "K", "22", 1, "BF_", BUTTERFLY_TABLE, {
    1: [Cell(1, "バタフライ弁（レバー式）", lambda m, b: butterfly_valve(m, False), ["バタフライ弁"],
             sizes=between(40, 150, STEEL)),
        Cell(2, "バタフライ弁（ギヤ式）", lambda m, b: butterfly_valve(m, True), ["バタフライ弁"],
             sizes=between(50, 150, STEEL))],
    2: [Cell(1, "バタフライ弁（レバー式）", lambda m, b: butterfly_valve(m, False), ["バタフライ弁"],
             sizes=between(50, 200, STEEL)),
        Cell(2, "バタフライ弁（ギヤ式）", lambda m, b: butterfly_valve(m, True), ["バタフライ弁"],
             sizes=between(50, 300, STEEL))],
    3: [Cell(1, "バタチェッキ弁（903C）", lambda m, b: butterfly_check(m, False), ["バタチェッキ弁"],
             sizes=between(50, 300, STEEL)),
        Cell(2, "バタチェッキ弁（901C）", lambda m, b: butterfly_check(m, True), ["バタチェッキ弁"],
             sizes=between(50, 300, STEEL))],
}, sample=100)


# 19 特殊弁: pressure reducing, safety, motorised and constant-level valves.
SPECIAL_TABLE = valve_table(
    between(15, 150, STEEL), proportion("face to face 1.6 d + 60", lambda r: round(1.6 * r["d"] + 60)),
    proportion("flanged face to face 1.5 d + 120", lambda r: round(1.5 * r["d"] + 120)),
    proportion("body 0.5 d + 8", lambda r: 0.5 * r["d"] + 8), proportion("height 0.8 d + 50", lambda r: 0.8 * r["d"] + 50),
    proportion("case or actuator 1.2 d + 70", lambda r: round(1.2 * r["d"] + 70)))
SMALL, LARGE = between(15, 50, STEEL), between(50, 150, STEEL)
FAMILY_SB = Family(19, "SB", "K", "22", 1, "CL_", SPECIAL_TABLE, {
    1: [Cell(1, "減圧弁（ねじ込み）", screwed(reducing_valve), ["減圧弁"], sizes=SMALL),
        Cell(2, "減圧弁（フランジ）", flanged(reducing_valve), ["減圧弁", COMPANION], sizes=between(25, 150, STEEL))],
    2: [Cell(1, "安全弁（ねじ込み）", screwed(safety_valve), ["安全弁"], sizes=SMALL),
        Cell(2, "安全弁（フランジ）", flanged(safety_valve), ["安全弁", COMPANION], sizes=between(25, 100, STEEL))],
    3: [Cell(1, "電動二方弁（ねじ込み）", screwed(motorised_valve), ["電動二方弁"], sizes=SMALL),
        Cell(2, "電動二方弁（フランジ）", flanged(motorised_valve), ["電動二方弁", COMPANION], sizes=LARGE),
        Cell(3, "電動三方弁（ねじ込み）", lambda m, b: motorised_valve(m, False, True), ["電動三方弁"], sizes=SMALL),
        Cell(4, "電動三方弁（フランジ）", lambda m, b: motorised_valve(dict(m, L=m["LF"]), True, True),
             ["電動三方弁", COMPANION], sizes=LARGE)],
    4: [Cell(1, "定水位弁（ねじ込み）", screwed(level_valve), ["定水位弁"], sizes=between(20, 50, STEEL)),
        Cell(2, "定水位弁（フランジ）", flanged(level_valve), ["定水位弁", COMPANION], sizes=between(25, 150, STEEL))],
}, sample=50)


# 20 フレキ・伸縮継手: flexible and expansion joints.
FLEX_TABLE = Table(between(10, 300, STEEL), {
    "steel": STEEL_SIZE,
    "L": proportion("length 2.2 d + 220", lambda r: round(2.2 * r["d"] + 220)),
    "hex": proportion("union nut width 0.3 d + 10", lambda r: 0.3 * r["d"] + 10),
    **flange_columns(("10K", FLANGE_10K))})
FAMILY_FS = Family(20, "FS", "K", "24", 1, "FJ_", FLEX_TABLE, {
    1: [Cell(1, "ユニオン型フレキ", lambda m, b: flexible(m, "union", "hose"), ["フレキシブルジョイント"],
             sizes=between(10, 50, STEEL))],
    2: [Cell(1, "フランジ型フレキ", lambda m, b: flexible(m, "flange", "hose"), ["フレキシブルジョイント"],
             sizes=between(20, 300, STEEL))],
    3: [Cell(1, "合成ゴム製フレキ（単球）", lambda m, b: flexible(m, "flange", "rubber"), ["防振継手"],
             sizes=between(32, 300, STEEL)),
        Cell(2, "合成ゴム製フレキ（双球）", lambda m, b: flexible(m, "flange", "rubber2"), ["防振継手"],
             sizes=between(32, 300, STEEL))],
    4: [Cell(1, "伸縮継手（ベローズ形）", lambda m, b: flexible(m, "flange", "bellows"), ["伸縮継手"],
             sizes=between(20, 300, STEEL)),
        Cell(2, "伸縮継手（スリーブ形）", lambda m, b: flexible(m, "flange", "sleeve"), ["伸縮継手"],
             sizes=between(20, 300, STEEL))],
}, sample=50, numbers={4: "05"})


# 21 丸ダクト部材: spiral duct fittings.
DUCT_TABLE = Table(ROUND_DUCT, {
    "sleeve": proportion("sleeve 0.1 d + 40", lambda r: round(0.1 * r["d"] + 40)),
    "A": proportion("tee, centre to end 0.75 d + 60", lambda r: round(0.75 * r["d"] + 60)),
    "damper": proportion("damper casing 0.6 d + 200", lambda r: round(0.6 * r["d"] + 200)),
    "H": proportion("reducer length 0.5 d + 150", lambda r: round(0.5 * r["d"] + 150))})
duct = Duct()


def duct_bends(ratio):
    return [Cell(1, "90°ベンド", lambda m, b: duct.bend(90, m, ratio)),
            *cells_with_pipe((2, "90°ベンド（直管付）", lambda m, b: duct.bend(90, m, ratio, 1)),
                             (3, "45°ベンド（直管付）", lambda m, b: duct.bend(45, m, ratio, 1))),
            Cell(4, "45°ベンド", lambda m, b: duct.bend(45, m, ratio))]


def duct_reducer(m, b):
    return reducer(m["d"], b["d"], m["H"], straight=m["sleeve"])


FAMILY_MDK = Family(21, "MDK", "M", "25", 0, "SD_", DUCT_TABLE, {
    1: [Cell(c.cell, c.name.replace("ベンド", "ベンド(1.0R)"), c.draw, [t.replace("ベンド", "ベンド(1.0R)")
                                                                     for t in c.totals]) for c in duct_bends(1.0)],
    2: [Cell(c.cell, c.name.replace("ベンド", "ベンド(1.5R)"), c.draw, [t.replace("ベンド", "ベンド(1.5R)")
                                                                     for t in c.totals]) for c in duct_bends(1.5)],
    3: [Cell(1, "Ｔ管", lambda m, b: duct.tee(m, b), pairs=REDUCING, steps=4),
        *cells_with_pipe((2, "Ｔ管（直管付）", lambda m, b: duct.tee(m, b, "run"), REDUCING, None, 4),
                         (3, "Ｔ管（枝直管付）", lambda m, b: duct.tee(m, b, "branch"), REDUCING, None, 4)),
        Cell(6, "45°Ｙ管", lambda m, b: duct.wye(m, b), pairs=REDUCING, steps=4),
        *cells_with_pipe((7, "45°Ｙ管（直管付）", lambda m, b: duct.wye(m, b, "run"), REDUCING, None, 4),
                         (8, "45°Ｙ管（枝直管付）", lambda m, b: duct.wye(m, b, "branch"), REDUCING, None, 4))],
    4: [Cell(1, "風量調整ダンパー（ＶＤ）", lambda m, b: duct.damper(m, "VD"), ["ＶＤ"]),
        Cell(2, "防火ダンパー（ＦＤ）", lambda m, b: duct.damper(m, "FD"), ["ＦＤ"]),
        Cell(3, "逆流防止ダンパー（ＣＤ）", lambda m, b: duct.damper(m, "CD"), ["ＣＤ"]),
        Cell(6, "レジューサー", duct_reducer, pairs=SMALLER, steps=3),
        Cell(7, "ニップル", lambda m, b: duct.section(m, 2 * m["sleeve"] + 20)),
        Cell(8, "キャップ", lambda m, b: duct.cap_end(m))],
}, sample=200)


FAMILIES = [FAMILY_TS, FAMILY_DV, FAMILY_MD1, FAMILY_MD2, FAMILY_DR, FAMILY_YT, FAMILY_NJ, FAMILY_DK, FAMILY_KT,
            FAMILY_ST, FAMILY_MO, FAMILY_FT, FAMILY_CK1, FAMILY_CK2, FAMILY_CS1, FAMILY_CS2, FAMILY_SDB, FAMILY_CB,
            FAMILY_BB, FAMILY_SB, FAMILY_FS, FAMILY_MDK]
