#!/usr/bin/env python3
"""Runs qinghe-cli on a fixed sample of 200 inputs (chart, name and generate commands,
good and refused input alike) and writes each command's exit code, stdout and stderr to
one file of OUTDIR. Two runs over different builds are compared with `diff -r`: a change
that must not alter behaviour leaves the folders identical.

Usage: python3 scripts/cli_sample.py OUTDIR [build/bin/qinghe-cli]
"""
import os
import random
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

SURNAMES = ["张", "李", "王", "陈", "刘", "欧阳", "司马", "黄", "赵", "周", "吴", "徐", "孙",
            "马", "朱", "胡", "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "诸葛"]
GIVEN = ["嘉禾", "子墨", "一诺", "书瑶", "沐阳", "若汐", "明", "伟", "浩然", "思源", "雨桐",
         "梓萱", "宇轩", "欣怡", "俊杰", "婷婷", "鑫", "淼", "龘", "a", "泽霖"]


def commands():
    rng = random.Random(14)
    cmds = []
    for _ in range(80):  # chart
        date = f"{rng.randint(1901, 2030)}-{rng.randint(1, 12)}-{rng.randint(1, 31)}"
        time = f"{rng.randint(0, 23)}:{rng.randint(0, 59):02d}"
        cmd = ["chart", "--date", date, "--time", time, "--sex", rng.choice(["男", "女"]),
               "--now", "2026"]
        if rng.random() < 0.3:
            cmd.append("--lunar")
        if rng.random() < 0.3:
            cmd.append("--json")
        if rng.random() < 0.5:
            cmd += ["--surname", rng.choice(SURNAMES), "--given", rng.choice(GIVEN)]
        cmds.append(cmd)
    for _ in range(80):  # name
        date = f"{rng.randint(1901, 2030)}-{rng.randint(1, 12)}-{rng.randint(1, 31)}"
        time = f"{rng.randint(0, 23)}:{rng.randint(0, 59):02d}"
        cmd = ["name", rng.choice(SURNAMES), rng.choice(GIVEN), "--date", date, "--time", time,
               "--sex", rng.choice(["男", "女"]), "--now", "2026"]
        for flag, share in (("--lunar", 0.3), ("--window", 0.4), ("--json", 0.2)):
            if rng.random() < share:
                cmd.append(flag)
        cmds.append(cmd)
    for _ in range(40):  # generate
        cmd = ["generate", rng.choice(SURNAMES), "--sex", rng.choice(["男", "女"]),
               "--form", rng.choice(["双字名", "双字名", "单字名"]), "--limit", "300"]
        r = rng.random()
        if r < 0.2:
            cmd += ["--fixed", rng.choice(["嘉", "子", "雨", "明"]),
                    "--position", rng.choice(["第二字", "第三字"])]
        elif r < 0.3:
            cmd += ["--elements", rng.choice(["木火", "金", "水土"])]
        elif r < 0.4:
            cmd += ["--min-score", rng.choice(["60", "80", "x"])]
        if rng.random() < 0.2:
            cmd.append("--no-filter")
        cmds.append(cmd)
    return cmds


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    out = sys.argv[1]
    cli = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "build", "bin", "qinghe-cli")
    os.makedirs(out, exist_ok=True)
    for n, cmd in enumerate(commands(), 1):
        r = subprocess.run([cli] + cmd, capture_output=True)
        with open(os.path.join(out, f"{n:03d}.txt"), "wb") as f:
            f.write((" ".join(cmd) + f"\nexit {r.returncode}\n--- stdout\n").encode())
            f.write(r.stdout)
            f.write(b"--- stderr\n")
            f.write(r.stderr)
    print(f"{n} commands written to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
