#!/usr/bin/env python3
# Checks the two reading tables in this folder: shape, grades, lengths and uniqueness.
# 81.tsv holds one reading per number 1..81; sancai2009.tsv one per three-talent configuration.
# Grades follow the project's lucky/half-lucky/unlucky lists and its three-talent grade table (djc).
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ELEMENTS = "木火土金水"

LUCKY = {1, 3, 5, 7, 8, 11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32, 33, 35, 37, 39, 41,
         45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81}
HALF_LUCKY = {6, 17, 26, 27, 29, 30, 38, 49, 51, 55, 58, 71, 73, 75}

# Grade (djc, 1 best .. 7 worst) of every configuration, titles in the order 木火土金水 for
# heaven, then person, then earth (木木木, 木木火, ... 水水水).
DJC = ("32562122447465656453235222"
       "235223256412246746535645535642223562325441225674665674453565222356232244"
       "122244146567645353522225623")

FULL_STOP_LIKE = "。，、；：！？,.;:!?"

errors = []


def fail(where, msg):
    errors.append(f"{where}: {msg}")


def relation(a, b):
    """How element a stands to element b: same, generates, generated, controls, controlled."""
    i, j = ELEMENTS.index(a), ELEMENTS.index(b)
    if i == j:
        return "same"
    if (i + 1) % 5 == j:
        return "generates"
    if (j + 1) % 5 == i:
        return "generated"
    if (i + 2) % 5 == j:
        return "controls"
    return "controlled"


def read_table(name, header):
    path = HERE / name
    raw = path.read_bytes()
    if raw.startswith(b"\xef\xbb\xbf"):
        fail(name, "starts with a byte-order mark")
    if b"\r" in raw:
        fail(name, "contains carriage returns")
    text = raw.decode("utf-8")
    if not text.endswith("\n"):
        fail(name, "last line has no line break")
    lines = text.split("\n")[:-1]
    if not lines or lines[0].split("\t") != header:
        fail(name, f"header is not {'/'.join(header)}")
    rows = []
    for no, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != len(header):
            fail(f"{name}:{no}", f"{len(fields)} fields instead of {len(header)}")
            continue
        for col, value in zip(header, fields):
            if value != value.strip():
                fail(f"{name}:{no}", f"{col} has blanks at its ends")
            if not value:
                fail(f"{name}:{no}", f"{col} is empty")
        rows.append((no, dict(zip(header, fields))))
    return rows


def check_length(where, col, value, low, high=None):
    n = len(value)
    if n < low or (high is not None and n > high):
        bound = f"{low}..{high}" if high is not None else f">= {low}"
        fail(where, f"{col} has {n} characters, wanted {bound}")


def check_unique(name, rows, columns):
    for col in columns:
        seen = {}
        for no, row in rows:
            if row[col] in seen:
                fail(f"{name}:{no}", f"{col} repeats line {seen[row[col]]}")
            seen.setdefault(row[col], no)


def check_numbers():
    name = "81.tsv"
    rows = read_table(name, ["num", "yy", "jx", "as", "content"])
    if [r["num"] for _, r in rows] != [str(n) for n in range(1, 82)]:
        fail(name, "num is not 1..81 in order")
    names = {}
    for no, r in rows:
        where = f"{name}:{no}"
        n = int(r["num"]) if r["num"].isdigit() else 0
        want = "吉" if n in LUCKY else ("半吉" if n in HALF_LUCKY else "凶")
        if r["jx"] != want:
            fail(where, f"jx is {r['jx']}, wanted {want}")
        m = re.fullmatch(r"([\u4e00-\u9fff]{4})：(.+)", r["yy"])
        if not m:
            fail(where, "yy is not a four-character name, '：' and a summary")
        else:
            check_length(where, "yy summary", m.group(2), 15, 30)
            if m.group(1) in names:
                fail(where, f"name {m.group(1)} repeats line {names[m.group(1)]}")
            names.setdefault(m.group(1), no)
        check_length(where, "as", r["as"], 15, 40)
        check_length(where, "content", r["content"], 60)
    check_unique(name, rows, ["yy", "as", "content"])
    return len(rows)


# The phrases by which a reading names the heaven-person and person-earth relations.
def heaven_person_phrases(a, b):
    return {
        "same": [f"天人同为{a}", f"三才都属{a}", f"天才与人才同属{a}"],
        "generates": [f"天{a}生人{b}"],
        "generated": [f"人{b}生天{a}"],
        "controls": [f"天{a}克人{b}"],
        "controlled": [f"人{b}克天{a}"],
    }[relation(a, b)]


def person_earth_phrases(b, c):
    return {
        "same": [f"人地同为{b}", f"人地虽同为{b}", f"三才都属{b}"],
        "generates": [f"人{b}生地{c}", f"人{b}又生地{c}", f"又生地{c}"],
        "generated": [f"地{c}生人{b}", f"地{c}也生人{b}"],
        "controls": [f"人{b}克地{c}", f"人{b}又克地{c}", f"又克地{c}"],
        "controlled": [f"地{c}克人{b}", f"地{c}又克人{b}", f"地{c}也克人{b}"],
    }[relation(b, c)]


# Words that mark the overall verdict of a configuration reading, by grade.
TONE = {
    1: ("最佳",), 2: ("理想", "有利", "顺利"), 3: ("保留",), 4: ("保留",),
    5: ("吉凶参半",), 6: ("不利",), 7: ("很不理想",),
}


def check_configurations():
    name = "sancai2009.tsv"
    header = ["title", "yy", "jcy", "jx1", "cgy", "jx2", "rjgx", "jx3", "xg"]
    rows = read_table(name, header)
    titles = [a + b + c for a in ELEMENTS for b in ELEMENTS for c in ELEMENTS]
    if [r["title"] for _, r in rows] != titles:
        fail(name, "titles are not the 125 configurations in order")
    for (no, r), djc in zip(rows, DJC):
        where = f"{name}:{no}"
        t = r["title"]
        if len(t) != 3 or any(ch not in ELEMENTS for ch in t):
            continue
        a, b, c = t
        djc = int(djc)
        pe, hp = relation(b, c), relation(a, b)
        jx1 = {"controls": "（半吉）", "controlled": "（凶）"}.get(pe, "（吉）")
        jx2 = {"controlled": "（半吉）", "controls": "（凶）"}.get(hp, "（吉）")
        jx3 = "（吉）" if djc <= 3 else ("（半吉）" if djc <= 5 else "（凶）")
        for col, want in (("jx1", jx1), ("jx2", jx2), ("jx3", jx3)):
            if r[col] != want:
                fail(where, f"{col} is {r[col]}, wanted {want}")
        check_length(where, "yy", r["yy"], 40)
        for col in ("jcy", "cgy", "rjgx", "xg"):
            check_length(where, col, r[col], 15, 60)
        for col in ("jcy", "cgy", "rjgx"):
            if r[col][-1] in FULL_STOP_LIKE:
                fail(where, f"{col} ends in punctuation but is followed by its grade")
        if not any(p in r["yy"] for p in heaven_person_phrases(a, b)):
            fail(where, "yy does not name the heaven-person relation")
        if not any(p in r["yy"] for p in person_earth_phrases(b, c)):
            fail(where, "yy does not name the person-earth relation")
        if not any(w in r["yy"] for w in TONE[djc]):
            fail(where, f"yy lacks the verdict of grade {djc} ({'/'.join(TONE[djc])})")
        if djc <= 4 and "不利" in r["yy"]:
            fail(where, f"yy calls a grade {djc} configuration unfavourable")
    check_unique(name, rows, ["yy", "jcy", "cgy", "rjgx", "xg"])
    return len(rows)


def main():
    if len(DJC) != 125:
        fail("check_readings.py", "grade table does not hold 125 grades")
    numbers = check_numbers()
    configurations = check_configurations()
    for e in errors:
        print(e)
    print(f"81.tsv: {numbers} rows; sancai2009.tsv: {configurations} rows; {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
