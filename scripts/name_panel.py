#!/usr/bin/env python3
"""Draws the names a reviewer judges as parents would: for each of twelve generated lists
(张 李 王 陈 欧阳 two-character names and 刘 one-character names, boy and girl, automatic
mode, name filter on), the first 30 names and 100 names drawn with a fixed seed. Prints a
tab-separated sheet (list, place, name, first30) and, on stderr, the share of names that
hold a character outside the 3,000 most frequent characters of the name-frequency table.

Usage: python3 scripts/name_panel.py [build/bin/qinghe-cli] > sheet.tsv
"""
import csv
import os
import random
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLI = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "qinghe-cli")
LISTS = [(s, sex, "双字名") for s in ("张", "李", "王", "陈", "欧阳") for sex in ("男", "女")]
LISTS += [("刘", sex, "单字名") for sex in ("男", "女")]
SEED = 2026


def main():
    with open(os.path.join(ROOT, "data", "names", "frequency", "charfreq.csv"), encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    rows.sort(key=lambda r: -(int(r["male"]) + int(r["female"])))
    common = {r["char"] for r in rows[:3000]}
    writer = csv.writer(sys.stdout, delimiter="\t", lineterminator="\n")
    writer.writerow(["list", "place", "name", "first30"])
    rare = total = 0
    for surname, sex, form in LISTS:
        out = subprocess.run([CLI, "generate", surname, "--sex", sex, "--form", form],
                             capture_output=True, text=True, check=True).stdout.split()
        label = f"{surname}/{sex}/{form}"
        drawn = random.Random(SEED).sample(range(len(out)), min(100, len(out)))
        for place in sorted(set(range(min(30, len(out)))) | set(drawn)):
            writer.writerow([label, place + 1, out[place], int(place < 30)])
        for name in out:
            given = name[len(surname):name.index("(")]
            total += 1
            rare += any(c not in common for c in given)
        print(f"{label}: {len(out)} names", file=sys.stderr)
    print(f"names with a character outside the 3,000 most frequent: {rare} of {total} "
          f"({100 * rare / total:.1f}%)", file=sys.stderr)


if __name__ == "__main__":
    main()
