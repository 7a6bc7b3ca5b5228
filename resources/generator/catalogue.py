#!/usr/bin/env python3
"""Generates the pipe fitting catalogue shipped in resources/install/Tavrin:

- the part files \\Tavrin\\<folder>\\<stored name>.ajc, drawn to scale in
  millimetres from the outer diameters of the size lists in HaikanSet/;
- the sheet pictures HaikanSet/<prefix>Sheet<n>.tec and the empty frame
  HaikanSet/waku.tec (5 x 4 cells of 49 x 45 pixels);
- HaikanSet/SheetName.ini, BuzaiName.ini and SekisanBunrui.ini, which
  agree with them.

Run from anywhere: python3 resources/generator/catalogue.py
"""

import math
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
TAVRIN = os.path.join(HERE, "..", "install", "Tavrin")
HAIKANSET = os.path.join(TAVRIN, "HaikanSet")

# Size codes by material class, as the catalogue builds part codes.
SIZE_CODES = {
    1: {"10": "02", "15": "03", "20": "05", "25": "06", "32": "07", "40": "08", "50": "09", "65": "10",
        "80": "11", "100": "12", "125": "13", "150": "14", "200": "15", "250": "16", "300": "17",
        "350": "18", "400": "19", "450": "20", "500": "21", "550": "22", "600": "23"},
    2: {"13": "03", "16": "04", "20": "05", "25": "06", "30": "07", "40": "08", "50": "09", "65": "10",
        "75": "11", "100": "12", "125": "13", "150": "14", "200": "15", "250": "16", "300": "17",
        "350": "18", "400": "19"},
    3: {"8": "01", "10": "02", "15": "03", "18": "04", "20": "05", "25": "06", "32": "07", "40": "08",
        "50": "09", "65": "10", "80": "11", "100": "12", "125": "13", "150": "14"},
}
SIZE_LISTS = {1: "Gaikei_Koukan.ini", 2: "Gaikei_Enbi.ini", 3: "Gaikei_Doukan.ini"}

# Sheet captions of every family, for the name lists (the dialog has its own).
CAPTIONS = [
    ["エルボ", "ティ－ズ", "ソケット・フランジ"],
    ["エルボ", "45度エルボ・ＬＴ", "ＤＴ・Ｙ", "ソケット"],
    ["エルボ", "45度エルボ・ＴＹ", "ＳＴ・Ｙ", "ソケット"],
    ["エルボ", "45度エルボ・ＴＹ", "ＳＴ・Ｙ", "ソケット"],
    ["エルボ", "45度エルボ・ＴＹ", "ＳＴ・Ｙ", "ソケット"],
    ["ロングエルボ", "ショートエルボ", "ティーズ・レジュ－サ－", "5K・10Kフランジ", "20Kフランジ"],
    ["エルボ", "ティ－ズ", "ソケット", "補助部材・フランジ"],
    ["エルボ", "ティ－ズ", "ソケット"],
    ["エルボ", "ティ－ズ・ソケット"],
    ["エルボ", "ティ－ズ・ソケット", "水栓継手"],
    ["エルボ", "片ソケットエルボ", "ティ－ズ・ソケット", "鋼管接続継手", "水栓継手"],
    ["エルボ", "ティ－ズ・レジュ－サ－"],
    ["90°長曲管,短曲管", "両受け90°長曲管", "45°曲管", "90°Ｙ管,（TY,WTY）長ＴＹ", "Ｔ管（ST）,Ｙ管（Y）", "直管"],
    ["鉛管接続LTY,LY管", "90°L曲管,L管,GS,ソケット,COT", "塩ビ管用VST(1)", "塩ビ管用VST(2)",
     "CO付90°長曲管（台付）", "CO付90°両受長曲管（台付）"],
    ["90°長曲管,短曲管", "両受け90°長曲管", "45°曲管", "90°Ｙ管,（TY,WTY）長ＴＹ", "Ｔ管（ST）,Ｙ管（Y）", "直管"],
    ["鉛管接続LTY,LY管", "90°L曲管,L管,GS,ソケット,COT", "塩ビ管用VST(1)", "塩ビ管用VST(2)",
     "CO付90°長曲管（台付）", "CO付90°両受長曲管（台付）"],
    ["ゲート弁(JIS-5K/10K)", "グローブ弁(JIS-5K/10K)", "チェッキ弁･Ｙ形ストレーナー", "ボール弁"],
    ["ゲート弁(JIS-5K/10K)", "グローブ弁・チェッキ弁(JIS-10K)", "Ｙ形ストレーナー(JIS-10K)"],
    ["ADC製/702Z-21", "FCD製/700G-2M", "バタチェッキ/903C/901C"],
    ["減圧弁(VENN)", "安全弁(VENN)", "電動弁(YAMATAKE)", "定水位弁(FMバルブ)"],
    ["SUSユニオン型フレキ", "SUSフランジ型フレキ", "合成ゴム製フレキ", "伸縮継手"],
    ["1.0Rベンド(90度/45度)", "1.5Rベンド(90度/45度)", "T管・45度Y管", "ダンパー類・補助部材"],
]

SOLID, HIDDEN, CENTRE = 1, 2, 5

# ---------------------------------------------------------------- geometry
# A drawing is a list of ("line", kind, x1, y1, x2, y2) and
# ("arc", kind, cx, cy, r, a1, a2), millimetres, y up, degrees.


def line(kind, x1, y1, x2, y2):
    return ("line", kind, x1, y1, x2, y2)


def rect(kind, x1, y1, x2, y2):
    return [line(kind, x1, y1, x2, y1), line(kind, x2, y1, x2, y2),
            line(kind, x2, y2, x1, y2), line(kind, x1, y2, x1, y1)]


def half_body(d):
    """Half the outer diameter of a fitting body on a pipe of outer diameter d."""
    return d / 2 + max(2.5, 0.12 * d)


def leg_length(d):
    """Centre-to-end length of elbows and tees."""
    return 0.9 * d + 12


def socket_depth(d):
    return 0.45 * d + 6


def cross(ax, ay, bx, by):
    return ax * by - ay * bx


def meet(p, u, q, v):
    """Where the line p + t u meets q + s v."""
    den = cross(u[0], u[1], v[0], v[1])
    t = cross(q[0] - p[0], q[1] - p[1], v[0], v[1]) / den
    return (p[0] + t * u[0], p[1] + t * u[1])


def bend(d, turn):
    """An elbow turning the flow by `turn` degrees: one leg along -x, the other
    leaving the corner at (origin) in the direction `turn`."""
    h, a, e = half_body(d), leg_length(d), socket_depth(d)
    legs = [(-1.0, 0.0), (math.cos(math.radians(turn)), math.sin(math.radians(turn)))]
    sides = []
    for sign in (1, -1):
        (u1, u2) = legs
        n1, n2 = (-u1[1], u1[0]), (-u2[1], u2[0])
        p = (-sign * h * n1[0], -sign * h * n1[1])
        q = (sign * h * n2[0], sign * h * n2[1])
        corner = meet(p, u1, q, u2)
        end1 = (p[0] + a * u1[0], p[1] + a * u1[1])
        end2 = (q[0] + a * u2[0], q[1] + a * u2[1])
        sides.append((end1, corner, end2))
    out = []
    for end1, corner, end2 in sides:
        out.append(line(SOLID, end1[0], end1[1], corner[0], corner[1]))
        out.append(line(SOLID, corner[0], corner[1], end2[0], end2[1]))
    out.append(line(SOLID, *sides[0][0], *sides[1][0]))
    out.append(line(SOLID, *sides[0][2], *sides[1][2]))
    for u in legs:  # the pipes inside the sockets
        n = (-u[1], u[0])
        for sign in (1, -1):
            x0, y0 = (a - e) * u[0] + sign * d / 2 * n[0], (a - e) * u[1] + sign * d / 2 * n[1]
            x1, y1 = a * u[0] + sign * d / 2 * n[0], a * u[1] + sign * d / 2 * n[1]
            out.append(line(HIDDEN, x0, y0, x1, y1))
        out.append(line(CENTRE, 0, 0, (a + 4) * u[0], (a + 4) * u[1]))
    return out


def tee(d):
    h, a, e = half_body(d), leg_length(d), socket_depth(d)
    out = [line(SOLID, -a, -h, a, -h), line(SOLID, a, -h, a, h), line(SOLID, a, h, h, h),
           line(SOLID, h, h, h, a), line(SOLID, h, a, -h, a), line(SOLID, -h, a, -h, h),
           line(SOLID, -h, h, -a, h), line(SOLID, -a, h, -a, -h)]
    for s in (1, -1):
        out.append(line(HIDDEN, s * (a - e), d / 2, s * a, d / 2))
        out.append(line(HIDDEN, s * (a - e), -d / 2, s * a, -d / 2))
        out.append(line(HIDDEN, s * d / 2, a - e, s * d / 2, a))
    out += [line(CENTRE, -a - 4, 0, a + 4, 0), line(CENTRE, 0, 0, 0, a + 4)]
    return out


def socket(d):
    h, length = half_body(d), 1.2 * d + 14
    out = rect(SOLID, -length / 2, -h, length / 2, h)
    for s in (1, -1):
        out.append(line(HIDDEN, -length / 2, s * d / 2, -1, s * d / 2))
        out.append(line(HIDDEN, 1, s * d / 2, length / 2, s * d / 2))
    out.append(line(CENTRE, -length / 2 - 4, 0, length / 2 + 4, 0))
    return out


def reducer(d_main, d_branch):
    h1, h2 = half_body(d_main), half_body(d_branch)
    l1, l2 = socket_depth(d_main) + 4, socket_depth(d_branch) + 4
    out = [line(SOLID, -l1, -h1, 0, -h1), line(SOLID, 0, -h1, 0, -h2), line(SOLID, 0, -h2, l2, -h2),
           line(SOLID, l2, -h2, l2, h2), line(SOLID, l2, h2, 0, h2), line(SOLID, 0, h2, 0, h1),
           line(SOLID, 0, h1, -l1, h1), line(SOLID, -l1, h1, -l1, -h1)]
    for s in (1, -1):
        out.append(line(HIDDEN, -l1, s * d_main / 2, -2, s * d_main / 2))
        out.append(line(HIDDEN, 2, s * d_branch / 2, l2, s * d_branch / 2))
    out.append(line(CENTRE, -l1 - 4, 0, l2 + 4, 0))
    return out


def gate_valve(d, flanged):
    length = 1.6 * d + 30
    body = 0.75 * d + 6
    ends = half_body(d) + 2
    out = [line(SOLID, -length / 2, -body, 0, 0), line(SOLID, 0, 0, -length / 2, body),
           line(SOLID, length / 2, -body, 0, 0), line(SOLID, 0, 0, length / 2, body)]
    # Flanges, or the hexagon ends of a screwed valve, at both ends.
    thick, reach = (0.1 * d + 10, 0.9 * d + 25) if flanged else (0.24 * d + 7, ends)
    for s in (1, -1):
        outer = s * length / 2
        inner = outer - s * thick
        out += rect(SOLID, min(outer, inner), -reach, max(outer, inner), reach)
    out.append(line(SOLID, -length / 2, -body, -length / 2, body))
    out.append(line(SOLID, length / 2, -body, length / 2, body))
    stem = body + 0.9 * d + 20
    wheel = 0.8 * d + 25
    out.append(("arc", SOLID, 0, 0, 0.3 * body, 0, 360))
    out.append(line(SOLID, 0, 0.3 * body, 0, stem))
    out.append(line(SOLID, -wheel / 2, stem, wheel / 2, stem))
    out.append(line(HIDDEN, -length / 2, d / 2, length / 2, d / 2))
    out.append(line(HIDDEN, -length / 2, -d / 2, length / 2, -d / 2))
    out.append(line(CENTRE, -length / 2 - 5, 0, length / 2 + 5, 0))
    return out


def drawing(kind, d_main, d_branch):
    if kind == "elbow90":
        return bend(d_main, 90)
    if kind == "elbow45":
        return bend(d_main, 45)
    if kind == "tee":
        return tee(d_main)
    if kind == "socket":
        return socket(d_main)
    if kind == "reducer":
        return reducer(d_main, d_branch)
    if kind == "gate":
        return gate_valve(d_main, False)
    if kind == "gate_flanged":
        return gate_valve(d_main, True)
    raise ValueError(kind)


def points(items):
    for item in items:
        if item[0] == "line":
            yield item[2], item[3]
            yield item[4], item[5]
        else:
            _, _, cx, cy, r, _, _ = item
            yield cx - r, cy - r
            yield cx + r, cy + r


def number(v):
    text = "%.4f" % v
    return "0" if text in ("0.0000", "-0.0000") else text.rstrip("0").rstrip(".")


def ajc_lines(items):
    xs, ys = zip(*points(items))
    header = "AJC,1,%s,%s,%s,%s" % (number(max(xs)), number(-min(ys)), number(-min(xs)), number(max(ys)))
    out = [header]
    for item in items:
        if item[0] == "line":
            _, kind, x1, y1, x2, y2 = item
            out.append("1,%d,0,%s,%s,%s,%s" % (kind, number(x1), number(-2 * y1), number(3 * x2), number(-4 * y2)))
        else:
            _, kind, cx, cy, r, a1, a2 = item
            out.append("2,%d,0,%s,%s,%s,%s,%s" % (kind, number(cx), number(-cy), number(r), number(a1), number(a2)))
    return out


# ---------------------------------------------------------- sheet pictures
COLUMNS, ROWS, CELL_W, CELL_H = 5, 4, 49, 45
TEMPLATE_STYLE = {SOLID: 1, HIDDEN: 2, CENTRE: 4}


def template_line(style, x1, y1, x2, y2):
    return "1,%d,0,%s,%s,%s,%s," % (style, number(x1), number(2 * y1), number(3 * x2), number(4 * y2))


def grid_lines():
    out = []
    for c in range(COLUMNS + 1):
        out.append(template_line(1, c * CELL_W, 0, c * CELL_W, ROWS * CELL_H))
    for r in range(ROWS + 1):
        out.append(template_line(1, 0, r * CELL_H, COLUMNS * CELL_W, r * CELL_H))
    return out


def cell_icon(cell, items):
    """The part fitted into its cell, 6 pixels clear of the grid."""
    xs, ys = zip(*points(items))
    span_x, span_y = max(xs) - min(xs), max(ys) - min(ys)
    k = min((CELL_W - 12) / span_x, (CELL_H - 12) / span_y)
    left = (cell - 1) % COLUMNS * CELL_W + CELL_W / 2 - k * (max(xs) + min(xs)) / 2
    top = (cell - 1) // COLUMNS * CELL_H + CELL_H / 2 + k * (max(ys) + min(ys)) / 2
    out = []
    for item in items:
        style = TEMPLATE_STYLE[item[1]]
        if item[0] == "line":
            _, _, x1, y1, x2, y2 = item
            out.append(template_line(style, left + k * x1, top - k * y1, left + k * x2, top - k * y2))
        else:
            _, _, cx, cy, r, a1, a2 = item
            out.append("2,%d,0,%s,%s,%s,%s,%s," % (style, number(left + k * cx), number(top - k * cy),
                                                   number(k * r), number(a1), number(a2)))
    return out


# ------------------------------------------------------------- catalogue
# (family index, folder, material letter, family number, material class,
#  sheet prefix, {sheet: [(cell, field, kind, name, take-off names)]})
ELBOW_TEE_SOCKET = {
    1: [(1, "L90A", "elbow90", "90°エルボ", ["90°エルボ"]),
        (2, "L90A", "elbow90", "90°エルボ（直管付）", ["90°エルボ"]),
        (3, "L45A", "elbow45", "45°エルボ（直管付）", ["45°エルボ"]),
        (4, "L45A", "elbow45", "45°エルボ", ["45°エルボ"])],
    2: [(1, "T00A", "tee", "チーズ", ["チーズ"]),
        (2, "T00A", "tee", "チーズ（直管付）", ["チーズ"]),
        (3, "T00A", "tee", "チーズ（枝直管付）", ["チーズ"])],
    3: [(1, "S00A", "socket", "ソケット", ["ソケット"]),
        (2, "R00A", "reducer", "径違いソケット", ["径違いソケット"])],
}
FAMILIES = [
    (0, "TS", "E", "13", 2, "TS_", ELBOW_TEE_SOCKET),
    (6, "NJ", "K", "01", 1, "NE_", ELBOW_TEE_SOCKET),
    (7, "DK", "D", "17", 3, "DO_", ELBOW_TEE_SOCKET),
    (16, "SDB", "K", "22", 1, "BC_", {
        1: [(1, "G10A", "gate", "ゲート弁（ねじ込み）", ["ゲート弁"]),
            (2, "G10B", "gate_flanged", "ゲート弁（フランジ）", ["ゲート弁", "コンパニオンフランジ"])],
    }),
]

LETTERS = "PSTLNQMKZU"


def cell_code(field):
    return field[:3] + "%02d" % (ord(field[3]) - ord("A") + 1)


def stored_name(material, main_code, branch_code, family_number, field):
    digits = main_code + branch_code + family_number
    return material + "".join(LETTERS[int(c)] for c in digits) + cell_code(field)


def read_sizes(material_class):
    sizes = []
    with open(os.path.join(HAIKANSET, SIZE_LISTS[material_class]), encoding="utf-8") as f:
        for text in f:
            nominal, outer = text.strip().split(",")[:2]
            sizes.append((nominal, float(outer)))
    return sizes


def size_pairs(kind, sizes):
    """Main and branch sizes a part is made in: equal ends, or for a reducer
    each size with the three next smaller ones."""
    if kind != "reducer":
        return [(s, s) for s in sizes]
    return [(sizes[i], sizes[j]) for i in range(len(sizes)) for j in range(max(0, i - 3), i)]


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(text + "\n" for text in lines))


def main():
    sheet_fields, part_names, takeoff = {}, {}, []
    for family, folder, material, family_number, material_class, prefix, sheets in FAMILIES:
        shutil.rmtree(os.path.join(TAVRIN, folder), ignore_errors=True)
        sizes = read_sizes(material_class)
        codes = SIZE_CODES[material_class]
        for sheet, cells in sheets.items():
            picture = grid_lines()
            fields, names = ["-"] * 20, ["-"] * 20
            for cell, field, kind, name, totals in cells:
                fields[cell - 1], names[cell - 1] = field, name
                sample = sizes[min(6, len(sizes) - 1)][1]
                picture += cell_icon(cell, drawing(kind, sample, sample * 0.7))
                entry = "%d_%d_%d:%d:%s" % (family, sheet, cell, len(totals), ":".join(totals))
                takeoff.append(entry)
                for (main_size, main_d), (branch_size, branch_d) in size_pairs(kind, sizes):
                    name_ = stored_name(material, codes[main_size], codes[branch_size], family_number, field)
                    write(os.path.join(TAVRIN, folder, name_ + ".ajc"), ajc_lines(drawing(kind, main_d, branch_d)))
            write(os.path.join(HAIKANSET, "%sSheet%d.tec" % (prefix, sheet)), picture)
            sheet_fields[(family, sheet)] = fields
            part_names[(family, sheet)] = names
    write(os.path.join(HAIKANSET, "waku.tec"), grid_lines())

    sheet_lines, name_lines = [], []
    for family, captions in enumerate(CAPTIONS):
        for sheet, caption in enumerate(captions, start=1):
            key = "%d-%d" % (family + 1, sheet)
            sheet_lines.append(":".join([key, caption] + sheet_fields.get((family, sheet), ["-"] * 20)))
            name_lines.append(":".join([key, caption] + part_names.get((family, sheet), ["-"] * 20)))
    write(os.path.join(HAIKANSET, "SheetName.ini"), sheet_lines)
    write(os.path.join(HAIKANSET, "BuzaiName.ini"), name_lines)
    # The tally never matches the last line of SekisanBunrui.ini.
    write(os.path.join(HAIKANSET, "SekisanBunrui.ini"), takeoff + ["-:1:-"])


if __name__ == "__main__":
    main()
