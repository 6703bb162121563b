#!/usr/bin/env python3
"""Lists the pool characters whose stroke count in a built character table differs from
the plain Kangxi radical-and-residual count of Unihan (kRSKangXi of the traditional form:
strokes of the radical in full + residual strokes), with the rule that makes the difference.

Usage: python3 data/names/compare_strokes.py build/bin/Redoviv.dll
"""
import bz2
import csv
import os
import sqlite3
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
UNIHAN = "/usr/share/unicode/Unihan_RadicalStrokeCounts.txt.bz2"
# Last radical number of each stroke count 1..17 (the 214 radicals are ordered by strokes).
LAST = [6, 29, 60, 94, 117, 146, 166, 175, 186, 194, 200, 204, 208, 210, 211, 213, 214]
NUMERALS = "一二三四五六七八九十"


def radical_strokes(radical):
    return next(i + 1 for i, last in enumerate(LAST) if radical <= last)


def main():
    kangxi = {}
    with bz2.open(UNIHAN, "rt", encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] == "kRSKangXi":
                kangxi[chr(int(parts[0][2:], 16))] = parts[2].split()[0]
    with open(os.path.join(HERE, "pool.tsv"), encoding="utf-8") as f:
        pool = [r["zi"] for r in csv.DictReader(f, delimiter="\t")]
    db = sqlite3.connect(sys.argv[1])
    rows = {zi: (ft, bh) for zi, ft, bh in db.execute("select zi, ft, bh from word")}
    differ = 0
    for zi in pool:
        ft, bh = rows[zi]
        value = kangxi.get(ft)
        if value is None:
            print(f"{zi}\t{ft}\t{bh}\t-\tno kRSKangXi for {ft}")
            differ += 1
            continue
        radical, residual = value.replace("'", "").split(".")
        plain = radical_strokes(int(radical)) + int(residual)
        if plain == bh:
            continue
        differ += 1
        if zi in NUMERALS:
            why = "numeral, counted by its value"
        elif int(residual) <= 0:
            why = "a form of its radical itself, counted as written"
        else:
            why = "?"
        print(f"{zi}\t{ft}\t{bh}\t{plain}\t{why}")
    print(f"{differ} of {len(pool)} pool characters differ", file=sys.stderr)


if __name__ == "__main__":
    main()
