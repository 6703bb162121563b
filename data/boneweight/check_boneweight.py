#!/usr/bin/env python3
# Checks the bone-weight tables in this folder before they are loaded into the reference data.
# Weights are kept in tenths of a liang (integers) so that totals add up exactly; the verse keys
# are the two-digit texts "21" .. "72". Exits 1 and lists every fault found, otherwise exits 0.

import itertools
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
CYCLE = [STEMS[i % 10] + BRANCHES[i % 12] for i in range(60)]

# Every published single weight lies between five qian and two liang; anything outside is a typo.
PART_MIN_TENTHS = 5
PART_MAX_TENTHS = 20
TOTAL_MIN_TENTHS = 21
TOTAL_MAX_TENTHS = 72
COMMENT_MIN_CHARS = 60
COMMENT_MAX_CHARS = 150

faults = []


def fault(message):
    faults.append(message)


def read_table(name, columns):
    """Rows of a tab-separated file after its optional '#' lines and its header."""
    path = os.path.join(HERE, name)
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        fault(f"{name}: starts with a byte-order mark")
    if b"\r" in raw:
        fault(f"{name}: has carriage returns")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        fault(f"{name}: not UTF-8 ({e})")
        return []
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    else:
        fault(f"{name}: last line has no newline")
    while lines and lines[0].startswith("#"):
        lines.pop(0)
    if not lines or lines[0].split("\t") != columns:
        fault(f"{name}: header is not {'/'.join(columns)}")
        return []
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        cells = line.split("\t")
        if len(cells) != len(columns):
            fault(f"{name}: data line {number} has {len(cells)} cells, expected {len(columns)}")
            continue
        if any(c != c.strip() or c == "" for c in cells):
            fault(f"{name}: data line {number} has an empty cell or stray blanks")
        rows.append(cells)
    return rows


def tenths(name, key, text):
    """A weight such as '1.2' as 12; one decimal place is required."""
    parts = text.split(".")
    if len(parts) != 2 or not parts[0].isdigit() or len(parts[1]) != 1 or not parts[1].isdigit():
        fault(f"{name}: weight of {key} is '{text}', expected one decimal place such as 0.9")
        return None
    value = int(parts[0]) * 10 + int(parts[1])
    if not PART_MIN_TENTHS <= value <= PART_MAX_TENTHS:
        fault(f"{name}: weight of {key} is {text}, outside 0.5 .. 2.0")
    return value


def weight_table(name, key_column, expected_keys):
    rows = read_table(name, [key_column, "weight"])
    keys = [r[0] for r in rows]
    if len(rows) != len(expected_keys):
        fault(f"{name}: {len(rows)} rows, expected {len(expected_keys)}")
    if keys != expected_keys:
        wrong = [k for k, e in zip(keys, expected_keys) if k != e]
        fault(f"{name}: keys are not {expected_keys[0]} .. {expected_keys[-1]} in order (first odd: {wrong[:3] or keys[len(expected_keys):][:3]})")
    values = {}
    for key, text in rows:
        value = tenths(name, key, text)
        if value is not None:
            values[key] = value
    return values


def key_of_total(total_tenths):
    """The chart's lookup key: the shortest decimal text of the total, then two digits."""
    whole, tenth = divmod(total_tenths, 10)
    short = f"{whole}" if tenth == 0 else f"{whole}.{tenth}"
    return short + "0" if len(short) == 1 else short[0] + short[2]


def main():
    years = weight_table("year.tsv", "ganzhi", CYCLE)
    months = weight_table("month.tsv", "month", [str(m) for m in range(1, 13)])
    days = weight_table("day.tsv", "day", [str(d) for d in range(1, 31)])
    hours = weight_table("hour.tsv", "branch", list(BRANCHES))

    verse_keys = [str(t) for t in range(TOTAL_MIN_TENTHS, TOTAL_MAX_TENTHS + 1)]
    verses = read_table("verse.tsv", ["weight", "verse", "comment"])
    if len(verses) != len(verse_keys):
        fault(f"verse.tsv: {len(verses)} rows, expected {len(verse_keys)}")
    if [r[0] for r in verses] != verse_keys:
        fault("verse.tsv: weight keys are not 21 .. 72 in order")
    seen_comments = {}
    for key, verse, comment in verses:
        if not (len(key) == 2 and key.isdigit()):
            fault(f"verse.tsv: key '{key}' is not two digits")
        # A verse is four seven-character lines: 28 characters and four full-width marks.
        body = verse.replace("，", "").replace("。", "")
        if len(body) != 28 or verse.count("，") != 3 or not verse.endswith("。"):
            fault(f"verse.tsv: verse of {key} is not four seven-character lines punctuated ，，，。")
        if any(c in verse + comment for c in ",.;:!?"):
            fault(f"verse.tsv: row {key} uses half-width punctuation")
        if not COMMENT_MIN_CHARS <= len(comment) <= COMMENT_MAX_CHARS:
            fault(f"verse.tsv: comment of {key} has {len(comment)} characters, expected {COMMENT_MIN_CHARS} .. {COMMENT_MAX_CHARS}")
        if comment in seen_comments:
            fault(f"verse.tsv: comment of {key} repeats that of {seen_comments[comment]}")
        seen_comments.setdefault(comment, key)

    if faults:
        report()

    low = min(years.values()) + min(months.values()) + min(days.values()) + min(hours.values())
    high = max(years.values()) + max(months.values()) + max(days.values()) + max(hours.values())
    print(f"lightest possible total: {low / 10:.1f} liang (key {key_of_total(low)})")
    print(f"heaviest possible total: {high / 10:.1f} liang (key {key_of_total(high)})")
    if not (TOTAL_MIN_TENTHS <= low and high <= TOTAL_MAX_TENTHS):
        fault(f"totals run from {low / 10:.1f} to {high / 10:.1f}, outside 2.1 .. 7.2")

    # Every combination of year, month, day and hour must find its verse.
    reachable = {}
    for y, m, d, h in itertools.product(years.values(), months.values(), days.values(), hours.values()):
        total = y + m + d + h
        reachable[total] = reachable.get(total, 0) + 1
    present = {r[0] for r in verses}
    missing = sorted(key_of_total(t) for t in reachable if key_of_total(t) not in present)
    if missing:
        fault(f"reachable totals without a verse: {', '.join(missing)}")
    unreachable = [k for k in verse_keys if all(key_of_total(t) != k for t in reachable)]
    combos = sum(reachable.values())
    print(f"rows: year {len(years)}, month {len(months)}, day {len(days)}, hour {len(hours)}, verse {len(verses)}")
    print(f"{combos} combinations reach {len(reachable)} distinct totals; keys never reached: {', '.join(unreachable) or 'none'}")
    lengths = [len(r[2]) for r in verses]
    if lengths:
        print(f"comment lengths: {min(lengths)} .. {max(lengths)} characters, all distinct")
    report()


def report():
    if faults:
        for f in faults:
            print("FAULT:", f)
        sys.exit(1)


if __name__ == "__main__":
    main()
    print("bone-weight tables OK")
