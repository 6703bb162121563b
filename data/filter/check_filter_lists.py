#!/usr/bin/env python3
"""Checks the two lists of the name filter: bad_words.tsv and bad_sounds.tsv.

Structural faults (header, columns, line ends, duplicates, malformed words or pinyin, unknown
categories, too few rows) are errors and make the exit status 1. When the Unihan files of
Debian's unicode-data are present, two further checks run: no word may contain a traditional
form, and every syllable of a sound row must be a reading of the matching character of its word
(so a slip such as `du bao` for 赌博 is caught).
Usage: check_filter_lists.py [bad_words.tsv] [bad_sounds.tsv] [Unihan directory]
"""
import bz2
import collections
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
WORDS = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "bad_words.tsv")
SOUNDS = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "bad_sounds.tsv")
UNIHAN_DIR = sys.argv[3] if len(sys.argv) > 3 else "/usr/share/unicode"
WN, SN = os.path.basename(WORDS), os.path.basename(SOUNDS)

WORDS_HEADER = "word\tcategory\tnote"
SOUNDS_HEADER = "pinyin\tword\tnote"
CATEGORIES = ("death", "disease", "crime", "vulgar", "slang", "misfortune", "object", "other")
MIN_WORDS, MIN_SOUNDS = 300, 150
SYLLABLE = re.compile(r"[a-z]+")
READING_FIELDS = ("kMandarin", "kHanyuPinyin", "kTGHZ2013", "kXHC1983", "kHanyuPinlu")


def is_cjk(ch):
    cp = ord(ch)
    return (0x4E00 <= cp <= 0x9FFF or 0x3400 <= cp <= 0x4DBF
            or 0x20000 <= cp <= 0x323AF)


def toneless(reading):
    """'lǜ' -> 'lv', 'zhōng' -> 'zhong'."""
    s = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    return "".join(ch for ch in s if not unicodedata.combining(ch))


def read_rows(path, header, errors):
    """Returns [(line number, columns)] after checking encoding, line ends and header."""
    name = os.path.basename(path)
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as e:
        errors.append(f"{name}: cannot read: {e}")
        return []
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        errors.append(f"{name}: not UTF-8: {e}")
        return []
    if text.startswith("\ufeff"):
        errors.append(f"{name}: starts with a byte-order mark")
        text = text[1:]
    if "\r" in text:
        errors.append(f"{name}: carriage return found; lines must end with LF only")
        text = text.replace("\r", "")
    if text and not text.endswith("\n"):
        errors.append(f"{name}: last line has no line feed")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != header:
        errors.append(f"{name}: header must be exactly {header!r}")
    rows = []
    for n, line in enumerate(lines[1:], start=2):
        cols = line.split("\t")
        if len(cols) != 3:
            errors.append(f"{name} line {n}: expected 3 tab-separated columns, got {len(cols)}")
            continue
        bad = [c for c in cols if c == "" or c != c.strip()]
        if bad:
            errors.append(f"{name} line {n}: empty field or field with surrounding spaces")
            continue
        rows.append((n, cols))
    return rows


def load_unihan(directory):
    """Returns (readings, traditional) or (None, None) when the files are missing."""
    readings_path = os.path.join(directory, "Unihan_Readings.txt.bz2")
    variants_path = os.path.join(directory, "Unihan_Variants.txt.bz2")
    if not (os.path.exists(readings_path) and os.path.exists(variants_path)):
        return None, None
    readings = collections.defaultdict(set)
    with bz2.open(readings_path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, key, value = line.rstrip("\n").split("\t", 2)
            if key not in READING_FIELDS:
                continue
            ch = chr(int(cp[2:], 16))
            for token in re.split(r"[\s,]+", value):
                token = re.sub(r"\(\d+\)$", "", token.split(":")[-1])
                if token and not token[0].isdigit():
                    readings[ch].add(toneless(token))
    # A character whose simplified variants do not include itself is a traditional form.
    traditional = {}
    with bz2.open(variants_path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, key, value = line.rstrip("\n").split("\t", 2)
            if key != "kSimplifiedVariant":
                continue
            ch = chr(int(cp[2:], 16))
            targets = {chr(int(v[2:], 16)) for v in value.split()}
            if ch not in targets:
                traditional[ch] = "".join(sorted(targets))
    return readings, traditional


def check_words(rows, errors, traditional):
    seen = {}
    per_category = collections.Counter()
    singles = []
    for n, (word, category, _note) in rows:
        if not 1 <= len(word) <= 4 or not all(is_cjk(ch) for ch in word):
            errors.append(f"{WN} line {n}: {word!r} is not 1 to 4 CJK characters")
        if len(word) == 1:
            singles.append(word)
        if word in seen:
            errors.append(f"{WN} line {n}: {word} repeats line {seen[word]}")
        seen.setdefault(word, n)
        if category not in CATEGORIES:
            errors.append(f"{WN} line {n}: category {category!r} is not one of "
                          + ", ".join(CATEGORIES))
        per_category[category] += 1
        if traditional:
            for ch in word:
                if ch in traditional:
                    errors.append(f"{WN} line {n}: {word} has the traditional form {ch} "
                                  f"(simplified {traditional[ch]})")
    return per_category, singles


def check_sounds(rows, errors, readings, traditional):
    seen = {}
    per_length = collections.Counter()
    for n, (pinyin, word, _note) in rows:
        syllables = pinyin.split(" ")
        if not 2 <= len(syllables) <= 3 or not all(SYLLABLE.fullmatch(s) for s in syllables):
            errors.append(f"{SN} line {n}: {pinyin!r} is not 2 or 3 lower-case toneless "
                          "syllables separated by single spaces")
            continue
        for s in syllables:
            if "v" in s and not re.fullmatch(r"[ln]ve?", s):
                errors.append(f"{SN} line {n}: {s!r}: v (for ü) only follows l or n")
        per_length[len(syllables)] += 1
        if pinyin in seen:
            errors.append(f"{SN} line {n}: {pinyin!r} repeats line {seen[pinyin]}")
        seen.setdefault(pinyin, n)
        if not all(is_cjk(ch) for ch in word):
            errors.append(f"{SN} line {n}: word {word!r} is not CJK characters")
            continue
        if len(word) != len(syllables):
            errors.append(f"{SN} line {n}: {word} has {len(word)} characters "
                          f"but {pinyin!r} has {len(syllables)} syllables")
            continue
        if readings is not None:
            for s, ch in zip(syllables, word):
                if s not in readings.get(ch, ()):
                    known = "/".join(sorted(readings.get(ch, ()))) or "none"
                    errors.append(f"{SN} line {n}: {s!r} is not a reading of {ch} "
                                  f"in {word} (readings: {known})")
        if traditional:
            for ch in word:
                if ch in traditional:
                    errors.append(f"{SN} line {n}: {word} has the traditional form {ch}")
    return per_length


def main():
    errors = []
    readings, traditional = load_unihan(UNIHAN_DIR)
    word_rows = read_rows(WORDS, WORDS_HEADER, errors)
    sound_rows = read_rows(SOUNDS, SOUNDS_HEADER, errors)
    per_category, singles = check_words(word_rows, errors, traditional)
    per_length = check_sounds(sound_rows, errors, readings, traditional)

    if len(word_rows) < MIN_WORDS:
        errors.append(f"{WN}: {len(word_rows)} rows, at least {MIN_WORDS} expected")
    if len(sound_rows) < MIN_SOUNDS:
        errors.append(f"{SN}: {len(sound_rows)} rows, at least {MIN_SOUNDS} expected")

    print(f"{WN}: {len(word_rows)} words")
    for category in CATEGORIES:
        print(f"  {category:<11}{per_category[category]:>5}")
    print(f"  single characters: {len(singles)} ({''.join(singles)})")
    print(f"{SN}: {len(sound_rows)} sounds "
          f"({per_length[2]} of two syllables, {per_length[3]} of three)")
    if readings is None:
        print(f"note: no Unihan files in {UNIHAN_DIR}; readings and simplified forms not checked")
    for e in errors:
        print("error:", e, file=sys.stderr)
    if errors:
        print(f"{len(errors)} error(s)", file=sys.stderr)
        return 1
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
