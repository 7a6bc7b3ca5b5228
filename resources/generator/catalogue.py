#!/usr/bin/env python3
"""Generates the pipe fitting catalogue shipped in resources/install/Tavrin:

- the part files \\Tavrin\\<folder>\\<stored name>.ajc of every family, cell
  and size pair it is made in, drawn to scale in millimetres from the
  family tables of catalogue_tables.py;
- the sheet pictures HaikanSet/<prefix>Sheet<n>.tec and the empty frame
  HaikanSet/waku.tec (5 x 4 cells of 49 x 45 pixels);
- HaikanSet/SheetName.ini, BuzaiName.ini and SekisanBunrui.ini, which
  name every cell.

The pipes' outer diameters are those of the size lists in HaikanSet/ (the
pipe-line command draws pipes with them too); they are checked against the
published tables in standards/ first.

    python3 resources/generator/catalogue.py           rewrite the shipped data
    python3 resources/generator/catalogue.py --check   fail unless the shipped data is what it writes
"""

import csv
import math
import os
import shutil
import sys
import tempfile

from catalogue_shapes import CENTRE, HIDDEN, SOLID
from catalogue_tables import EQUAL, FAMILIES, REDUCING, SMALLER

HERE = os.path.dirname(os.path.abspath(__file__))
SHIPPED = os.path.normpath(os.path.join(HERE, "..", "install", "Tavrin"))
STANDARDS = os.path.join(HERE, "standards")

# Size codes by material class, as the catalogue builds part codes.
SIZE_CODES = {
    0: {"100": "01", "125": "02", "150": "03", "175": "04", "200": "05", "225": "06", "250": "07", "275": "08",
        "300": "09", "325": "10", "350": "11", "375": "12", "400": "13", "450": "14", "500": "15"},
    1: {"10": "02", "15": "03", "20": "05", "25": "06", "32": "07", "40": "08", "50": "09", "65": "10",
        "80": "11", "100": "12", "125": "13", "150": "14", "200": "15", "250": "16", "300": "17",
        "350": "18", "400": "19", "450": "20", "500": "21", "550": "22", "600": "23"},
    2: {"13": "03", "16": "04", "20": "05", "25": "06", "30": "07", "40": "08", "50": "09", "65": "10",
        "75": "11", "100": "12", "125": "13", "150": "14", "200": "15", "250": "16", "300": "17",
        "350": "18", "400": "19"},
    3: {"8": "01", "10": "02", "15": "03", "18": "04", "20": "05", "25": "06", "32": "07", "40": "08",
        "50": "09", "65": "10", "80": "11", "100": "12", "125": "13", "150": "14"},
    4: {"40": "08", "50": "09", "65": "10", "75": "11", "100": "12", "125": "13", "150": "14", "200": "15",
        "250": "16", "300": "17"},
    5: {"13": "03", "20": "05", "25": "06", "30": "07", "40": "08", "50": "09", "60": "10"},
}
SIZE_LISTS = {0: "Gaikei_Maru.ini", 1: "Gaikei_Koukan.ini", 2: "Gaikei_Enbi.ini", 3: "Gaikei_Doukan.ini",
              4: "Gaikei_cip.ini", 5: "Gaikei_sus.ini"}

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

# Published outer diameters the size lists must agree with: material class,
# file in standards/, nominal-size column, diameter columns in order of
# preference.
PUBLISHED = [(1, "pipe_JIS_G3452_SGP.csv", "A", ["D"]),
             (2, "pipe_JIS_K6741_VP_VU.csv", "呼び径", ["D_VP", "D_VU"]),
             (3, "pipe_JIS_H3300_copper.csv", "A", ["D"])]
COPPER_B_ONLY = {"5/8": "18"}  # the copper size without an A size, by its B size

# ---------------------------------------------------------------- sizes


def read_size_list(material_class):
    """Nominal size text -> outer diameter, from the shipped size list."""
    sizes = {}
    with open(os.path.join(SHIPPED, "HaikanSet", SIZE_LISTS[material_class]), encoding="utf-8") as f:
        for text in f:
            if text.strip():
                nominal, outer = text.strip().split(",")[:2]
                sizes[nominal] = float(outer)
    return sizes


def check_published(size_lists):
    """Stops when a size list's outer diameter differs from the standard's."""
    problems = []
    for material_class, name, size_column, columns in PUBLISHED:
        with open(os.path.join(STANDARDS, name), encoding="utf-8") as f:
            rows = [row for row in csv.DictReader(f) if not row[size_column].startswith("#")]
        for row in rows:
            nominal = row[size_column] or COPPER_B_ONLY.get(row.get("B", ""), "")
            published = next((float(row[c]) for c in columns if row.get(c)), None)
            listed = size_lists[material_class].get(nominal)
            if listed is not None and published is not None and abs(listed - published) > 1e-6:
                problems.append("%s %s: size list %s, %s %s" % (SIZE_LISTS[material_class], nominal, listed, name,
                                                                published))
    if problems:
        sys.exit("outer diameters differ from the standards:\n" + "\n".join(problems))


def size_pairs(cell, sizes):
    """(main, branch) nominal sizes the cell's part is made in."""
    pairs = []
    for i, main in enumerate(sizes):
        if cell.pairs in (EQUAL, REDUCING):
            pairs.append((main, main))
        if cell.pairs in (REDUCING, SMALLER):
            pairs += [(main, sizes[j]) for j in range(i - 1, max(-1, i - 1 - cell.steps), -1)]
    return pairs


def cell_sizes(family, cell):
    sizes = family.table.sizes
    return [s for s in sizes if cell.sizes is None or int(s) in cell.sizes]


# -------------------------------------------------------------- part files
LETTERS = "PSTLNQMKZU"


def cell_code(field):
    return field[:3] + "%02d" % (ord(field[3]) - ord("A") + 1)


def stored_name(family, sheet, main, branch, field):
    codes = SIZE_CODES[family.material_class]
    digits = codes[main] + codes[branch] + family.number_on(sheet)
    return family.material + "".join(LETTERS[int(c)] for c in digits) + cell_code(field)


def points(items):
    """The points that bound the items: line ends, arc ends and the arcs'
    extremes."""
    for item in items:
        if item[0] == "line":
            yield item[2], item[3]
            yield item[4], item[5]
            continue
        _, _, cx, cy, r, a1, a2 = item
        span = (a2 - a1) % 360 or 360
        for angle in [a1, a1 + span] + [q for q in range(0, 720, 90) if a1 < q < a1 + span]:
            yield cx + r * math.cos(math.radians(angle)), cy + r * math.sin(math.radians(angle))


def number(v):
    text = "%.2f" % v
    text = text.rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def ajc_lines(items):
    """Header: scale 1 and the right, bottom, left and top extents; then the
    records with y stored downwards and a line's x1, 2·y1, 3·x2, 4·y2."""
    xs, ys = zip(*points(items))
    out = ["AJC,1,%s,%s,%s,%s" % (number(max(xs)), number(-min(ys)), number(-min(xs)), number(max(ys)))]
    for item in items:
        if item[0] == "line":
            _, kind, x1, y1, x2, y2 = item
            out.append("1,%d,0,%s,%s,%s,%s" % (kind, number(x1), number(-2 * y1), number(3 * x2), number(-4 * y2)))
        else:
            _, kind, cx, cy, r, a1, a2 = item
            out.append("2,%d,0,%s,%s,%s,%s,%s" % (kind, number(cx), number(-cy), number(r), number(a1), number(a2)))
    return out


def drop_points(items):
    """Zero-length lines say nothing."""
    return [i for i in items if not (i[0] == "line" and abs(i[2] - i[4]) < 1e-9 and abs(i[3] - i[5]) < 1e-9)]


# ---------------------------------------------------------- sheet pictures
COLUMNS, ROWS, CELL_W, CELL_H, MARGIN = 5, 4, 49, 45, 5
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
    """The part fitted into its cell, clear of the grid; hidden lines are
    left out at this size."""
    items = [i for i in items if i[1] != HIDDEN]
    xs, ys = zip(*points(items))
    span_x, span_y = max(xs) - min(xs), max(ys) - min(ys)
    k = min((CELL_W - 2 * MARGIN) / span_x, (CELL_H - 2 * MARGIN) / span_y)
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


def sample_pair(family, cell, sizes):
    """The sizes a sheet picture shows the part in: the family's sample size,
    or the nearest the part is made in."""
    pairs = size_pairs(cell, sizes)
    target = int(family.sample)
    return min(pairs, key=lambda p: (abs(int(p[0]) - target), p[0] != p[1], -int(p[1])))


# ------------------------------------------------------------------ output

def generated(size_lists):
    """Every generated file: path relative to Tavrin/ -> its lines."""
    files, sheet_fields, part_names, takeoff = {}, {}, {}, []
    for family in FAMILIES:
        outer = size_lists[family.material_class]
        for sheet, cells in family.sheets.items():
            picture = grid_lines()
            fields, names = ["-"] * 20, ["-"] * 20
            for cell in cells:
                field = family.field(sheet, cell.cell)
                fields[cell.cell - 1], names[cell.cell - 1] = field, cell.name
                takeoff.append("%d_%d_%d:%d:%s" % (family.index, sheet, cell.cell, len(cell.totals),
                                                  ":".join(cell.totals)))
                sizes = cell_sizes(family, cell)
                rows = {s: family.table.row(s, outer[s]) for s in sizes}
                for main, branch in size_pairs(cell, sizes):
                    items = drop_points(cell.draw(rows[main], rows[branch] if branch != main else rows[main]))
                    name = stored_name(family, sheet, main, branch, field)
                    files[os.path.join(family.folder, name + ".ajc")] = ajc_lines(items)
                main, branch = sample_pair(family, cell, sizes)
                picture += cell_icon(cell.cell, drop_points(cell.draw(rows[main], rows[branch])))
            files[os.path.join("HaikanSet", "%sSheet%d.tec" % (family.prefix, sheet))] = picture
            sheet_fields[(family.index, sheet)] = fields
            part_names[(family.index, sheet)] = names
    files[os.path.join("HaikanSet", "waku.tec")] = grid_lines()

    sheet_lines, name_lines = [], []
    for index, captions in enumerate(CAPTIONS):
        for sheet, caption in enumerate(captions, start=1):
            key = "%d-%d" % (index + 1, sheet)
            sheet_lines.append(":".join([key, caption] + sheet_fields.get((index, sheet), ["-"] * 20)))
            name_lines.append(":".join([key, caption] + part_names.get((index, sheet), ["-"] * 20)))
    files[os.path.join("HaikanSet", "SheetName.ini")] = sheet_lines
    files[os.path.join("HaikanSet", "BuzaiName.ini")] = name_lines
    # The tally never matches the last line of SekisanBunrui.ini.
    files[os.path.join("HaikanSet", "SekisanBunrui.ini")] = takeoff + ["-:1:-"]
    return files


def owned(root):
    """The generated files now under `root`: the part folders and the
    HaikanSet files this script writes."""
    found = set()
    for folder in sorted({f.folder for f in FAMILIES}):
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            found |= {os.path.relpath(os.path.join(dirpath, n), root) for n in names}
    haikanset = os.path.join(root, "HaikanSet")
    for name in os.listdir(haikanset) if os.path.isdir(haikanset) else []:
        if "Sheet" in name and name.endswith(".tec") or name in ("waku.tec", "SheetName.ini", "BuzaiName.ini",
                                                                 "SekisanBunrui.ini"):
            found.add(os.path.join("HaikanSet", name))
    return found


def text_of(lines):
    return "".join(line + "\n" for line in lines)


def write(root, files):
    for folder in {f.folder for f in FAMILIES}:
        shutil.rmtree(os.path.join(root, folder), ignore_errors=True)
    for path in owned(root) - set(files):
        os.remove(os.path.join(root, path))
    for path, lines in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8", newline="\n") as f:
            f.write(text_of(lines))


def check(root, files):
    """The differences between the data under `root` and `files`."""
    problems = ["not generated: " + p for p in sorted(owned(root) - set(files))]
    for path, lines in sorted(files.items()):
        full = os.path.join(root, path)
        if not os.path.exists(full):
            problems.append("missing: " + path)
            continue
        with open(full, encoding="utf-8", newline="") as f:
            if f.read() != text_of(lines):
                problems.append("differs: " + path)
    return problems


def main(argv):
    size_lists = {c: read_size_list(c) for c in SIZE_LISTS}
    check_published(size_lists)
    files = generated(size_lists)
    if "--check" in argv:
        problems = check(SHIPPED, files)
        if problems:
            print("\n".join(problems[:20] + (["..."] if len(problems) > 20 else [])))
            print("%d generated files are out of date: run python3 resources/generator/catalogue.py" % len(problems))
            return 1
        print("%d generated files are up to date" % len(files))
        return 0
    write(SHIPPED, files)
    print("%d files written" % len(files))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
