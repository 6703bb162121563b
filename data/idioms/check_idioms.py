#!/usr/bin/env python3
"""Checks idioms.txt: UTF-8, one idiom a line, exactly four Chinese characters, no blank
line and no duplicate; at least 3,000 idioms using at least 2,000 different characters. When
the jieba dictionary of Debian's python3-jieba is installed, every line must also be an
idiom there (part of speech i) that its corpus counts at least 4 times.

Usage: python3 data/idioms/check_idioms.py
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
JIEBA = "/usr/lib/python3/dist-packages/jieba/dict.txt"
MIN_IDIOMS, MIN_CHARS, MIN_COUNT = 3000, 2000, 4


def is_han(c):
    return "\u4e00" <= c <= "\u9fff" or "\u3400" <= c <= "\u4dbf"


def main():
    with open(os.path.join(HERE, "idioms.txt"), encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    faults = []
    seen = set()
    for n, line in enumerate(lines, 1):
        if len(line) != 4 or not all(is_han(c) for c in line):
            faults.append(f"line {n}: not four Chinese characters: {line!r}")
        if line in seen:
            faults.append(f"line {n}: duplicate {line}")
        seen.add(line)
    chars = set("".join(lines))
    if len(seen) < MIN_IDIOMS:
        faults.append(f"{len(seen)} idioms, fewer than {MIN_IDIOMS}")
    if len(chars) < MIN_CHARS:
        faults.append(f"{len(chars)} characters, fewer than {MIN_CHARS}")
    if os.path.exists(JIEBA):
        idioms = {}
        with open(JIEBA, encoding="utf-8") as f:
            for entry in f:
                word, count, tag = entry.split()
                if tag == "i":
                    idioms[word] = int(count)
        for line in lines:
            if idioms.get(line, 0) < MIN_COUNT:
                faults.append(f"{line}: not an idiom of the jieba dictionary seen {MIN_COUNT} times")
    print(f"idioms.txt: {len(lines)} idioms, {len(chars)} different characters")
    for fault in faults:
        print("fault:", fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
