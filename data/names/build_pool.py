#!/usr/bin/env python3
"""Writes pool.tsv, the characters generation offers, from the review of the candidates
(pool_review.tsv), the modern favourites (modern.tsv), the positions a character reads
well in (positions.tsv), the real-name frequencies
(frequency/charfreq.csv) and the earlier hand ranking (name_chars.tsv). See README.md.

Usage: python3 data/names/build_pool.py        (rewrites data/names/pool.tsv)
"""
import csv
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Score = log10(1 + uses per million given-name characters of the sexes it is offered to)
#       + MODERN_BONUS for a modern favourite + a bonus for the earlier hand ranking's first
#       tiers, which were ordered by today's taste. Frequency alone favours the names of
#       people born before 2000; the bonuses bring today's choices forward.
MODERN_BONUS = 0.8
TIER_BONUS = [(384, 0.4), (535, 0.2)]  # (last rank of the tier, bonus)


def read_tsv(name):
    with open(os.path.join(HERE, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE))


def main():
    with open(os.path.join(HERE, "frequency", "charfreq.csv"), encoding="utf-8") as f:
        freq = {r["char"]: (int(r["male"]), int(r["female"])) for r in csv.DictReader(f)}
    total_m = sum(m for m, _ in freq.values())
    total_f = sum(w for _, w in freq.values())
    old_rank = {r["zi"]: int(r["rank"]) for r in read_tsv("name_chars.tsv")}

    faults = []
    pool = {}  # zi -> (sex, modern)
    review = {r["zi"]: r for r in read_tsv("pool_review.tsv")}
    for zi, r in review.items():
        if r["verdict"] == "keep":
            pool[zi] = (r["sex"], False)
    for r in read_tsv("modern.tsv"):
        zi = r["zi"]
        if zi in review and review[zi]["verdict"] != "keep":
            faults.append(f"{zi}: modern favourite but reviewed as {review[zi]['verdict']}")
            continue
        sex = pool[zi][0] if zi in pool else r["sex"]
        pool[zi] = (sex, True)
    for zi, (sex, _) in pool.items():
        if sex not in ("男", "女", "两"):
            faults.append(f"{zi}: sex {sex!r}")

    def score(zi):
        sex, modern = pool[zi]
        m, w = freq.get(zi, (0, 0))
        per_m, per_f = m / total_m * 1e6, w / total_f * 1e6
        uses = per_m if sex == "男" else per_f if sex == "女" else max(per_m, per_f)
        s = math.log10(1 + uses)
        if modern:
            s += MODERN_BONUS
        for last, bonus in TIER_BONUS:
            if old_rank.get(zi, 10**9) <= last:
                s += bonus
                break
        return s

    # Where a character reads well in a two-character given name: either place (yes), only
    # first (no: 子涵, never 涵子) or only second (only: 安澜, never 澜X); modern favourites
    # outside the reviewed candidates default to yes.
    second = {r["zi"]: r["second"] for r in read_tsv("positions.tsv")}
    for zi, value in second.items():
        if value not in ("yes", "no", "only"):
            faults.append(f"{zi}: second {value!r}")

    ordered = sorted(pool, key=lambda zi: (-score(zi), zi))
    with open(os.path.join(HERE, "pool.tsv"), "w", encoding="utf-8", newline="\n") as out:
        out.write("zi\tsex\tsecond\trank\tmale\tfemale\tscore\tmodern\n")
        for rank, zi in enumerate(ordered, 1):
            sex, modern = pool[zi]
            m, w = freq.get(zi, (0, 0))
            out.write(f"{zi}\t{sex}\t{second.get(zi, 'yes')}\t{rank}\t{m}\t{w}\t"
                      f"{score(zi):.3f}\t{int(modern)}\n")

    boys = sum(1 for s, _ in pool.values() if s in ("男", "两"))
    girls = sum(1 for s, _ in pool.values() if s in ("女", "两"))
    print(f"pool: {len(pool)} characters, {boys} for boys, {girls} for girls")
    for f in faults:
        print("fault:", f, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
