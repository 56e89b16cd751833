#!/usr/bin/env python3
"""Turns the user guide's Markdown into the plain HTML page the program opens.

Handles what the guide uses: headings, paragraphs, numbered and bulleted
lists, indented code blocks, images, `code`, **bold** and *emphasis*, and
puts a list of the sections, each a link, before the first one.

    MarkdownToHtml.py docs/user-guide.md docs/index.html
"""
import html
import re
import sys


def inline(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"!\[([^\]]*)\]\(([^)]+)\)", r'<img src="\2" alt="\1">', text)
    text = re.sub(r"`([^`]+)`", r"<code>\1</code>", text)
    text = re.sub(r"\*\*([^*]+)\*\*", r"<b>\1</b>", text)
    text = re.sub(r"\*([^*]+)\*", r"<i>\1</i>", text)
    return text


def anchor(heading):
    """The name a section's heading is linked by: its words in lower case."""
    return re.sub(r"[^a-z0-9]+", "-", heading.lower()).strip("-")


def contents(sections):
    """The list of sections put before the first one, each a link to it."""
    links = "".join('<li><a href="#%s">%s</a></li>' % (anchor(h), inline(h)) for h in sections)
    return '<h2>Contents</h2>\n<ul class="contents">%s</ul>' % links


def convert(lines):
    out, para, items, kind, code = [], [], [], None, []

    def flush():
        nonlocal para, items, kind, code
        if para:
            text = " ".join(para)
            if text.startswith("![") and text.endswith(")"):
                out.append("<p class=\"shot\">" + inline(text) + "</p>")
            else:
                out.append("<p>" + inline(text) + "</p>")
        if items:
            out.append("<%s>" % kind + "".join("<li>%s</li>" % inline(i) for i in items) + "</%s>" % kind)
        if code:
            out.append("<pre>" + html.escape("\n".join(code)) + "</pre>")
        para, items, kind, code = [], [], None, []

    title = "Kestrane"
    sections = []
    for raw in lines:
        line = raw.rstrip("\n")
        if line.startswith("    ") and not items:
            if para:
                flush()
            code.append(line[4:])
            continue
        if code and line.strip():
            flush()
        m = re.match(r"^(#+) (.*)", line)
        if m:
            flush()
            level = len(m.group(1))
            if level == 1:
                title = m.group(2)
            if level == 2:
                # The help window's text browser finds a section by an
                # <a name>, a web browser by either.
                sections.append((len(out), m.group(2)))
                out.append('<h2 id="%s"><a name="%s"></a>%s</h2>'
                           % (anchor(m.group(2)), anchor(m.group(2)), inline(m.group(2))))
            else:
                out.append("<h%d>%s</h%d>" % (level, inline(m.group(2)), level))
        elif re.match(r"^(\d+\.|\*) ", line):
            if para:
                flush()
            kind = "ol" if line[0].isdigit() else "ul"
            items.append(re.sub(r"^(\d+\.|\*) ", "", line))
        elif line.startswith("  ") and items:
            items[-1] += " " + line.strip()
        elif not line.strip():
            if not code:
                flush()
        else:
            para.append(line.strip())
    flush()
    if sections:
        out.insert(sections[0][0], contents([h for _, h in sections]))
    style = ("body{font-family:sans-serif;max-width:60em;margin:1em auto;padding:0 1em;line-height:1.4}"
             "img{max-width:100%;border:1px solid #888}pre{background:#f4f4f0;padding:.5em}"
             "code{background:#f4f4f0}")
    return ("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>%s</title>\n"
            "<style>%s</style>\n</head>\n<body>\n%s\n</body>\n</html>\n"
            % (html.escape(title), style, "\n".join(out)))


if __name__ == "__main__":
    with open(sys.argv[1], encoding="utf-8") as f:
        page = convert(f.readlines())
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(page)
