#!/usr/bin/env python3
"""Writes the keys tables of docs/keys.txt into the documents that show them.

Between the lines "<!-- keys: NAME -->" and "<!-- /keys -->" of README.md and docs/help.md goes
section NAME as a Markdown table; between "[keys: NAME]" and "[/keys]" of docs/README-windows.txt
goes it as plain text columns. With --check nothing is written: the run fails when a document
differs from what it would get.
Usage: keys_table.py [--check]
"""
import pathlib
import re
import sys
import textwrap

ROOT = pathlib.Path(__file__).resolve().parent.parent
MARKDOWN = [ROOT / "README.md", ROOT / "docs" / "help.md"]
PLAIN = [ROOT / "docs" / "README-windows.txt"]


def sections():
    found, current = {}, None
    for line in (ROOT / "docs" / "keys.txt").read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("== "):
            name, heading = (part.strip() for part in line[3:].split("|", 1))
            current = found[name] = {"heading": heading, "rows": []}
        else:
            keys, what = (part.strip() for part in line.split("|", 1))
            current["rows"].append((keys, what))
    return found


def markdown(section):
    code = lambda text: re.sub(r"(?<![\w\"])([*?])(?![\w\"])", r"`\1`", text)
    lines = [section["heading"], "", "| Keys | What they do |", "|---|---|"]
    lines += [f"| {keys} | {code(what)} |" for keys, what in section["rows"]]
    return lines


def plain(section):
    width = 20
    lines = textwrap.wrap(section["heading"], 92) + [""]
    for keys, what in section["rows"]:
        text = textwrap.wrap(what, 92 - width - 2)
        if len(keys) > width:
            lines.append("  " + keys)
            lines += [" " * (width + 2) + part for part in text]
        else:
            lines.append("  " + keys.ljust(width) + text[0])
            lines += [" " * (width + 2) + part for part in text[1:]]
    return lines


def fill(path, begin, end, render, found):
    lines = path.read_text(encoding="utf-8").split("\n")
    out, i = [], 0
    while i < len(lines):
        match = re.fullmatch(begin, lines[i])
        out.append(lines[i])
        i += 1
        if not match:
            continue
        out += render(found[match.group(1)])
        while i < len(lines) and lines[i] != end:
            i += 1
        if i == len(lines):
            sys.exit(f"{path}: {match.group(0)} has no {end}")
    return "\n".join(out)


def main():
    check = sys.argv[1:] == ["--check"]
    found = sections()
    stale = []
    for paths, begin, end, render in (
        (MARKDOWN, r"<!-- keys: (\w+) -->", "<!-- /keys -->", markdown),
        (PLAIN, r"\[keys: (\w+)\]", "[/keys]", plain),
    ):
        for path in paths:
            text = fill(path, begin, end, render, found)
            if text != path.read_text(encoding="utf-8"):
                stale.append(path.relative_to(ROOT))
                if not check:
                    path.write_text(text, encoding="utf-8")
    if check and stale:
        sys.exit("keys tables differ from docs/keys.txt in: " + ", ".join(map(str, stale)) +
                 " (run scripts/keys_table.py)")
    print("keys tables: " + ("written into " + ", ".join(map(str, stale)) if stale else "up to date"))


main()
