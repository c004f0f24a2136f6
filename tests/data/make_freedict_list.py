#!/usr/bin/python3
"""Writes freedict-jpn-eng.csv: 30 common words of FreeDict's Japanese-English dictionary (from
JMdict, (C) James William Breen and the Electronic Dictionary Research and Development Group,
CC BY-SA 3.0) as a spreadsheet saves them as "CSV UTF-8": a byte-order mark, then Word,
Reading and English. Needs Debian's dict-freedict-jpn-eng. Run once; the list is committed."""
import gzip
import re
import sys

DICT = "/usr/share/dictd/freedict-jpn-eng"
DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def number(text):
    value = 0
    for c in text:
        value = value * 64 + DIGITS.index(c)
    return value


def kana(text):
    return all("\u3040" <= c <= "\u30ff" for c in text)


def entries():
    data = gzip.open(DICT + ".dict.dz").read()
    seen = set()
    for line in open(DICT + ".index", encoding="utf-8"):
        headword, offset, length = line.rstrip("\n").split("\t")
        if not kana(headword) or (offset, length) in seen:
            continue
        seen.add((offset, length))
        yield data[number(offset):number(offset) + number(length)].decode("utf-8")


def main():
    rows = []
    for entry in entries():
        head, *senses = entry.split("\n")
        if "[ichi1]" not in head or "[news1]" not in head:
            continue
        forms = [re.sub(r"\s*/.*", "", f).split()[-1] for f in head.split(", ") if "/" in f]
        writing = next((f for f in forms if not kana(f)), None)
        reading = next((f for f in forms if kana(f)), None)
        meaning = next((s for s in senses if s and not s[0].isdigit() and not s.startswith(" ")
                        and not s.startswith("(") and not s.startswith("{")), None)
        if not writing or not reading or not meaning:
            continue
        english = re.sub(r"\s*\(.*?\)", "", meaning.split(", ")[0]).strip()
        if not english or len(english) > 20 or not re.fullmatch(r"[a-z' -]+", english):
            continue
        if any(r[0] == writing for r in rows):
            continue
        rows.append((writing, reading, english))
        if len(rows) == 30:
            break
    with open(sys.argv[1] if len(sys.argv) > 1 else "freedict-jpn-eng.csv", "w",
              encoding="utf-8-sig", newline="") as out:
        out.write("Word,Reading,English\r\n")
        for row in rows:
            out.write(",".join(row) + "\r\n")


main()
