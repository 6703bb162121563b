#!/usr/bin/env python3
"""Checks data/names/name_chars.tsv, the curated list of characters offered for given names.

Every character must belong to the 8,105-character general standard table, taken from the
Unihan field kTGHZ2013; ranks run 1..N without gaps; sex is one of 男, 女, 两.
Structural faults are reported as errors. The list is the source of the pool's candidates
(see README.md); its size is no target.
Usage: check_name_chars.py [name_chars.tsv] [Unihan_Readings.txt.bz2]
"""
import bz2
import collections
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TSV = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "name_chars.tsv")
UNIHAN = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/unicode/Unihan_Readings.txt.bz2"
IRG = os.path.join(os.path.dirname(UNIHAN), "Unihan_IRGSources.txt.bz2")
SEXES = ("男", "女", "两")


def unihan_field(path, field):
    values = {}
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, key, value = line.rstrip("\n").split("\t", 2)
            if key == field:
                values[chr(int(cp[2:], 16))] = value
    return values


def main():
    table = unihan_field(UNIHAN, "kTGHZ2013")
    strokes = unihan_field(IRG, "kTotalStrokes") if os.path.exists(IRG) else {}
    errors = []
    warnings = []
    with open(TSV, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != "zi\tsex\trank\tnote":
        errors.append("header must be: zi<TAB>sex<TAB>rank<TAB>note")
    seen = {}
    ranks = []
    sexes = collections.Counter()
    heavy = []
    for n, line in enumerate(lines[1:], start=2):
        cols = line.split("\t")
        if len(cols) != 4:
            errors.append(f"line {n}: expected 4 columns, got {len(cols)}")
            continue
        zi, sex, rank, note = cols
        if len(zi) != 1:
            errors.append(f"line {n}: zi {zi!r} is not one character")
        elif zi not in table:
            errors.append(f"line {n}: {zi} (U+{ord(zi):04X}) is not in the general standard table")
        if zi in seen:
            errors.append(f"line {n}: {zi} repeats line {seen[zi]}")
        seen.setdefault(zi, n)
        if sex not in SEXES:
            errors.append(f"line {n}: sex {sex!r} is not one of {'/'.join(SEXES)}")
        sexes[sex] += 1
        if not rank.isdigit():
            errors.append(f"line {n}: rank {rank!r} is not a positive integer")
        else:
            ranks.append(int(rank))
        if not 2 <= len(note) <= 6:
            errors.append(f"line {n}: note {note!r} is not 2 to 6 characters")
        s = strokes.get(zi, "0").split()[0]
        if int(s) > 20:
            heavy.append(f"{zi}({s})")
    if sorted(ranks) != list(range(1, len(ranks) + 1)):
        errors.append("ranks are not 1..N without gaps or repeats")
    elif ranks != sorted(ranks):
        errors.append("rows are not in rank order")
    rows = len(lines) - 1
    boys = sexes["男"] + sexes["两"]
    girls = sexes["女"] + sexes["两"]
    print(f"rows: {rows}")
    print(f"男: {sexes['男']}  女: {sexes['女']}  两: {sexes['两']}")
    print(f"usable for boys (男+两): {boys}")
    print(f"usable for girls (女+两): {girls}")
    print(f"general standard table: {len(table)} characters, {rows / len(table):.1%} listed")
    print(f"above 20 strokes: {len(heavy)} {' '.join(heavy)}")
    for w in warnings:
        print("WARNING:", w)
    for e in errors:
        print("ERROR:", e)
    print("OK" if not errors else f"{len(errors)} error(s)")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
