#!/usr/bin/env python3
"""Turns the help's Markdown source (docs/help.md) into the one HTML page the program opens.

Knows what that source uses: headings with an anchor ("## Keys {#keys}"), paragraphs, "-" lists,
pipe tables, `code`, *emphasis*, **strong**, [links](#anchor) and pictures on lines of their own
(![text](file.png), beside the source), which go into the page itself: the page is one file.
Usage: help_page.py SOURCE.md PAGE.html
"""
import base64
import html
import pathlib
import re
import sys

STYLE = """body { font-family: Segoe UI, Tahoma, sans-serif; max-width: 48em; margin: 1em auto;
  padding: 0 1em; line-height: 1.45; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #999; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
code { font-family: Consolas, monospace; }
img { max-width: 100%; }
nav a { margin-right: 1em; }"""


def inline(text):
    out = []
    # Code spans first: nothing inside them is markup.
    for i, part in enumerate(re.split(r"`([^`]*)`", text)):
        if i % 2:
            out.append("<code>" + html.escape(part) + "</code>")
            continue
        part = html.escape(part, quote=False)
        part = re.sub(r"\*\*(.+?)\*\*", r"<strong>\1</strong>", part)
        part = re.sub(r"\*(.+?)\*", r"<em>\1</em>", part)
        part = re.sub(r"\[([^\]]+)\]\(([^)\s]+)\)", r'<a href="\2">\1</a>', part)
        out.append(part)
    return "".join(out)


def cells(line):
    return [c.strip() for c in line.strip().strip("|").split("|")]


def picture(text, file):
    data = base64.b64encode(file.read_bytes()).decode("ascii")
    return f'<p><img src="data:image/png;base64,{data}" alt="{html.escape(text)}"></p>'


def convert(source, folder):
    lines = source.splitlines()
    body, sections, title = [], [], "Help"
    i = 0
    while i < len(lines):
        line = lines[i]
        heading = re.match(r"(#{1,3}) (.*?)(?: \{#([a-z0-9-]+)\})?$", line)
        image = re.fullmatch(r"!\[([^\]]*)\]\(([^)\s]+\.png)\)", line.strip())
        if not line.strip() or line.startswith("<!--"):
            # Blank lines, and the marks of the generated keys tables.
            i += 1
        elif heading:
            level, text, anchor = len(heading.group(1)), heading.group(2), heading.group(3)
            if level == 1:
                title = text
            if anchor:
                sections.append((anchor, text))
            ident = f' id="{anchor}"' if anchor else ""
            body.append(f"<h{level}{ident}>{inline(text)}</h{level}>")
            i += 1
        elif image:
            body.append(picture(image.group(1), folder / image.group(2)))
            i += 1
        elif line.startswith("|"):
            rows = []
            while i < len(lines) and lines[i].startswith("|"):
                rows.append(cells(lines[i]))
                i += 1
            body.append("<table>")
            body.append("<tr>" + "".join(f"<th>{inline(c)}</th>" for c in rows[0]) + "</tr>")
            for row in rows[2:]:
                body.append("<tr>" + "".join(f"<td>{inline(c)}</td>" for c in row) + "</tr>")
            body.append("</table>")
        elif line.startswith("- "):
            body.append("<ul>")
            while i < len(lines) and lines[i].startswith("- "):
                item = [lines[i][2:]]
                i += 1
                while i < len(lines) and lines[i].startswith("  ") and lines[i].strip():
                    item.append(lines[i].strip())
                    i += 1
                body.append(f"<li>{inline(' '.join(item))}</li>")
            body.append("</ul>")
        else:
            paragraph = []
            while i < len(lines) and lines[i].strip() and not re.match(r"#|\||- |<!--|!\[", lines[i]):
                paragraph.append(lines[i].strip())
                i += 1
            body.append(f"<p>{inline(' '.join(paragraph))}</p>")
    nav = " ".join(f'<a href="#{a}">{html.escape(t)}</a>' for a, t in sections)
    head = (
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        f"<title>{html.escape(title)}</title>\n<style>\n{STYLE}\n</style>\n</head>\n<body>\n"
    )
    return head + f"<nav>{nav}</nav>\n" + "\n".join(body) + "\n</body>\n</html>\n"


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: help_page.py SOURCE.md PAGE.html")
    with open(sys.argv[1], encoding="utf-8") as f:
        page = convert(f.read(), pathlib.Path(sys.argv[1]).resolve().parent)
    with open(sys.argv[2], "w", encoding="utf-8", newline="\r\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
