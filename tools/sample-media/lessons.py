#!/usr/bin/env python3
"""Writes the lesson texts as RTF documents, as a word processor saves them: code page 1251,
fonts with the Cyrillic character set (\\fcharset204), a colour table, a style sheet, document
information, headings, bold, italic and coloured words, bulleted and numbered lists, tables and
PNG pictures. Only 7-bit bytes are written: every other character is a \\'hh escape of code page
1251 or, outside it, a \\uN escape.

    lessons.py SVGSHOT OUT_DIR    writes OUT_DIR/v.vrk, d.vrk, 1.vrk to 5.vrk and p.vrk

SVGSHOT is the program that renders the SVG pictures of pictures/ to PNG.

The sources are lessons/NAME.txt beside this script, in UTF-8, in a small markup:

    title: Introduction           header lines up to the first blank line (title, subject)

    # Heading                     the lesson's title
    ## Heading                    a section heading
    Text text text                a paragraph: lines up to a blank line
    - item                        a bulleted list item
    1. item                       a numbered list item (numbered in order)
    | a | b |                     a table row; the first row of a table is its header
        code                      a line of program text (four blanks, kept as written)
    > text                        a hint for the child, set off from the text
    ![name.svg] caption           a picture from pictures/, centred, with an optional caption

Inside text: **bold**, //italic//, `program text`, {colour:text} with a colour from COLOURS.
"""

import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
LESSONS = ["v", "d", "1", "2", "3", "4", "5", "p"]

# Font table: the fonts a Russian word processor offers, all with the Cyrillic character set.
FONTS = [
    r"{\f0\froman\fcharset204\fprq2{\*\panose 02020603050405020304}Times New Roman;}",
    r"{\f1\fswiss\fcharset204\fprq2{\*\panose 020b0604020202020204}Arial;}",
    r"{\f2\fmodern\fcharset204\fprq1{\*\panose 02070309020205020404}Courier New;}",
    r"{\f3\fscript\fcharset204\fprq2{\*\panose 030f0702030302020204}Comic Sans MS;}",
]
BODY, CODE, HEADING = 1, 2, 3

# Colour table, entry 0 being the automatic colour.
COLOURS = {
    "black": (0, 0, 0),
    "darkblue": (0, 51, 153),
    "red": (204, 0, 0),
    "green": (0, 128, 0),
    "blue": (0, 0, 255),
    "orange": (230, 110, 0),
    "violet": (128, 0, 160),
    "teal": (0, 128, 128),
    "grey": (96, 96, 96),
    "gold": (191, 144, 0),
    "cyan": (0, 150, 200),
    "magenta": (220, 0, 220),
    "brown": (150, 75, 0),
    "shade": (255, 242, 204),
}
COLOUR_INDEX = {name: i + 1 for i, name in enumerate(COLOURS)}

TABLE_WIDTH = 5200  # twips: the table fits the textbook viewer with room for a scroll bar
CODE_LINE = 46  # characters of program text that fit the viewer's width unbroken


class Style:
    """A paragraph style of the style sheet: its paragraph and its character formatting."""

    def __init__(self, number, name, para, font=BODY, size=22, colour="black", bold=False,
                 italic=False, lang=1049):
        self.number, self.name, self.para = number, name, para
        self.font, self.size, self.colour = font, size, COLOUR_INDEX[colour]
        self.bold, self.italic, self.lang = bold, italic, lang

    def chars(self):
        return ((r"\b" if self.bold else "") + (r"\i" if self.italic else "")
                + rf"\f{self.font}\fs{self.size}\cf{self.colour}\lang{self.lang}\langfe1049")


STYLES = {
    "normal": Style(0, "Normal", r"\ql\sa120\sl264\slmult1"),
    "h1": Style(1, "heading 1", r"\qc\sb60\sa200\keepn", HEADING, 34, "darkblue", bold=True),
    "h2": Style(2, "heading 2", r"\ql\sb200\sa100\keepn", HEADING, 26, "violet", bold=True),
    "code": Style(3, "Program Text", r"\ql\li284\sa0", CODE, 18, "teal", lang=1033),
    "hint": Style(4, "Hint", r"\ql\li284\ri284\sb120\sa120\brdrl\brdrs\brdrw30\brsp80"
                  rf"\brdrcf{COLOUR_INDEX['orange']}", colour="brown", italic=True),
    "caption": Style(5, "caption", r"\qc\sa160", size=18, colour="grey", italic=True),
    "list": Style(6, "List", r"\ql\fi-284\li568\sa60\sl264\slmult1"),
    "cell": Style(7, "Table Text", r"\ql\sa0", size=20),
}


def escape(text):
    """Characters as a word processor writes them: 7-bit text, \\'hh for code page 1251."""
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\u00a0":
            out.append(r"\~")
        elif ch == "\t":
            out.append(r"\tab ")
        elif " " <= ch < "\x7f":
            out.append(ch)
        else:
            try:
                out.append("".join(f"\\'{b:02x}" for b in ch.encode("cp1251")))
            except UnicodeEncodeError:
                code = ord(ch)
                out.append(f"\\u{code - 65536 if code > 32767 else code}?")
    return "".join(out)


# --- Inline text: runs of characters with one format each.

INLINE = re.compile(r"\*\*|//|`|\{[a-z]+:|\}")


def runs(text):
    """Markup text -> list of (text, bold, italic, code, colour name or None)."""
    bold = italic = code = False
    colours = []
    out = []
    pos = 0
    for m in INLINE.finditer(text):
        token = m.group()
        if code and token != "`":
            continue  # program text is taken as written
        if m.start() > pos:
            out.append((text[pos:m.start()], bold, italic, code, colours[-1] if colours else None))
        pos = m.end()
        if token == "**":
            bold = not bold
        elif token == "//":
            italic = not italic
        elif token == "`":
            code = not code
        elif token == "}":
            if not colours:
                raise ValueError(f"unbalanced }} in: {text}")
            colours.pop()
        else:
            name = token[1:-1]
            if name not in COLOURS:
                raise ValueError(f"unknown colour {name} in: {text}")
            colours.append(name)
    if pos < len(text):
        out.append((text[pos:], bold, italic, code, colours[-1] if colours else None))
    if bold or italic or code or colours:
        raise ValueError(f"unclosed markup in: {text}")
    return out


def inline_rtf(text, style, markup=True):
    """The runs of one paragraph, switched on and off in place as a word processor does."""
    base = STYLES[style]
    bold, italic, font, colour = base.bold, base.italic, base.font, base.colour
    out = []
    for part, b, i, c, name in runs(text) if markup else [(text, False, False, False, None)]:
        want_bold, want_italic = b or base.bold, i or base.italic
        want_font = CODE if c else base.font
        want_colour = COLOUR_INDEX[name] if name else base.colour
        words = []
        if want_bold != bold:
            words.append(r"\b" if want_bold else r"\b0")
        if want_italic != italic:
            words.append(r"\i" if want_italic else r"\i0")
        if want_font != font:
            words.append(rf"\f{want_font}")
            words.append(r"\lang1033" if want_font == CODE else rf"\lang{base.lang}")
        if want_colour != colour:
            words.append(rf"\cf{want_colour}")
        bold, italic, font, colour = want_bold, want_italic, want_font, want_colour
        if words:
            out.append("".join(words) + " ")
        out.append(escape(part))
    return "".join(out)


def paragraph(style, text, extra="", markup=True, prefix=""):
    s = STYLES[style]
    return (rf"{prefix}\pard\plain \s{s.number}{s.para}{extra} {s.chars()} "
            + inline_rtf(text, style, markup) + r"\par")


# --- Blocks.

def list_item(marker, numbering, text):
    """A list paragraph as older word processors write it: the marker as \\pntext, then \\pn."""
    orange = COLOUR_INDEX["orange"]
    shown = rf"{{\pntext\pard\plain\b\f{BODY}\fs22\cf{orange} {marker}\tab}}"
    definition = rf"{{\*\pn {numbering}\pnf{BODY}\pnfs22\pncf{orange}\pnindent284}}"
    return paragraph("list", text, extra=definition, prefix=shown)


def bullet_item(text):
    bullet = escape("\u2022")
    return list_item(bullet, rf"\pnlvlblt{{\pntxtb {bullet}}}", text)


def numbered_item(n, text):
    return list_item(f"{n}.", r"\pnlvlbody\pndec\pnb\pnstart1\pnhang{\pntxta .}", text)


def plain_length(cell):
    return len("".join(part for part, *_ in runs(cell)))


def table(rows):
    """Rows of cells -> an RTF table; column widths follow the longest text in each column."""
    columns = len(rows[0])
    if any(len(r) != columns for r in rows):
        raise ValueError(f"table rows of different lengths: {rows}")
    longest = [max(plain_length(r[c]) for r in rows) + 4 for c in range(columns)]
    widths = [max(900, TABLE_WIDTH * n // sum(longest)) for n in longest]
    widths[-1] += TABLE_WIDTH - sum(widths)
    border = r"\brdrs\brdrw10\brdrcf" + str(COLOUR_INDEX["grey"])
    out = []
    for index, row in enumerate(rows):
        header = index == 0
        defs = [rf"\trowd \irow{index}\trgaph80\trleft0\trqc"
                rf"\trbrdrt{border} \trbrdrl{border} \trbrdrb{border} \trbrdrr{border} "
                rf"\trbrdrh{border} \trbrdrv{border} " + (r"\trhdr " if header else "")]
        right = 0
        for width in widths:
            right += width
            shade = rf"\clcbpat{COLOUR_INDEX['shade']}" if header else ""
            defs.append(rf"\clvertalc\clbrdrt{border} \clbrdrl{border} \clbrdrb{border} "
                        rf"\clbrdrr{border} {shade}\cellx{right}")
        out.append("".join(defs))
        cells = []
        for cell in row:
            text = f"**{cell}**" if header else cell
            cells.append(paragraph("cell", text, r"\intbl").removesuffix(r"\par") + r"\cell ")
        out.append("".join(cells) + r"\pard\plain \intbl\row")
    return out


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG picture")
    return int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")


def picture(svgshot, name, caption):
    with tempfile.TemporaryDirectory() as tmp:
        png = Path(tmp) / "picture.png"
        subprocess.run([svgshot, str(HERE / "pictures" / name), str(png)], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), stderr=subprocess.DEVNULL)
        data = png.read_bytes()
    width, height = png_size(data)
    goal_w, goal_h = width * 15, height * 15  # twips at 96 dots per inch
    hexdata = data.hex()
    lines = [hexdata[i:i + 128] for i in range(0, len(hexdata), 128)]
    pict = (r"{\pict\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0"
            rf"\picw{round(goal_w * 2540 / 1440)}\pich{round(goal_h * 2540 / 1440)}"
            rf"\picwgoal{goal_w}\pichgoal{goal_h}\pngblip" + "\r\n" + "\r\n".join(lines) + "}")
    out = [r"\pard\plain \s0\qc\sb60\sa60 {\f1\fs22 " + pict + r"}\par"]
    if caption:
        out.append(paragraph("caption", caption))
    return out


def parse_blocks(lines):
    """Markup lines (after the header) -> list of (kind, payload)."""
    blocks = []
    para = []

    def flush():
        if para:
            blocks.append(("text", " ".join(para)))
            para.clear()

    for line in lines:
        if line.startswith("    ") and not para:
            if len(line) - 4 > CODE_LINE:
                raise ValueError(f"program text wider than the viewer: {line.strip()}")
            blocks.append(("code", line[4:]))
            continue
        stripped = line.strip()
        if not stripped:
            flush()
            continue
        if stripped.startswith("## "):
            flush()
            blocks.append(("h2", stripped[3:]))
        elif stripped.startswith("# "):
            flush()
            blocks.append(("h1", stripped[2:]))
        elif stripped.startswith("- "):
            flush()
            blocks.append(("bullet", stripped[2:]))
        elif re.match(r"\d+\. ", stripped):
            flush()
            blocks.append(("number", stripped.split(" ", 1)[1]))
        elif stripped.startswith("|"):
            flush()
            cells = [c.strip() for c in stripped.strip("|").split("|")]
            blocks.append(("row", cells))
        elif stripped.startswith("> "):
            flush()
            blocks.append(("hint", stripped[2:]))
        elif stripped.startswith("!["):
            flush()
            name, _, caption = stripped[2:].partition("]")
            blocks.append(("picture", (name, caption.strip())))
        else:
            para.append(stripped)
    flush()
    return blocks


def body(blocks, svgshot):
    out = []
    number = 0
    rows = []
    for i, (kind, payload) in enumerate(blocks):
        if kind == "row":
            rows.append(payload)
            if i + 1 == len(blocks) or blocks[i + 1][0] != "row":
                out += table(rows)
                rows = []
                if i + 1 == len(blocks):
                    out.append(paragraph("normal", ""))  # a document never ends in a table
            continue
        number = number + 1 if kind == "number" else 0
        if kind == "text":
            out.append(paragraph("normal", payload))
        elif kind in ("h1", "h2", "hint"):
            out.append(paragraph(kind, payload))
        elif kind == "code":
            last = i + 1 == len(blocks) or blocks[i + 1][0] != "code"
            out.append(paragraph("code", payload, r"\sa120" if last else "", markup=False))
        elif kind == "bullet":
            out.append(bullet_item(payload))
        elif kind == "number":
            out.append(numbered_item(number, payload))
        elif kind == "picture":
            out += picture(svgshot, *payload)
    return out


def stylesheet():
    entries = []
    for s in STYLES.values():
        key = rf"\s{s.number}" if s.number else ""
        based = rf"\sbasedon0 " if s.number else ""
        entries.append(rf"{{{key}{s.para} {s.chars()} {based}\snext0 {s.name};}}")
    return r"{\stylesheet" + "\r\n".join(entries) + "}"


def shown_text(blocks):
    """The text of the blocks as the reader sees it, without markup."""
    parts = []
    for kind, payload in blocks:
        if kind == "code":
            parts.append(payload)
            continue
        texts = payload if kind == "row" else [payload[1]] if kind == "picture" else [payload]
        parts += ["".join(run[0] for run in runs(text)) for text in texts]
    return " ".join(parts)


def count_words(blocks):
    return len(re.findall(r"\w+", shown_text(blocks)))


def document(source, svgshot):
    text = source.read_text(encoding="utf-8")
    header, _, rest = text.partition("\n\n")
    info = dict(line.split(": ", 1) for line in header.splitlines())
    blocks = parse_blocks(rest.splitlines())
    colours = "".join(rf"\red{r}\green{g}\blue{b};" for r, g, b in COLOURS.values())
    parts = [
        r"{\rtf1\ansi\ansicpg1251\uc1\deff0\deflang1049\deflangfe1049",
        r"{\fonttbl" + "\r\n".join(FONTS) + "}",
        r"{\colortbl;" + colours + "}",
        stylesheet(),
        r"{\*\generator Masterskaya lesson writer 1.0;}",
        r"{\info{\title " + escape(info["title"]) + r"}{\subject " + escape(info["subject"])
        + r"}{\author " + escape("Волшебная мастерская") + r"}"
        + rf"{{\nofpages1}}{{\nofwords{count_words(blocks)}}}}}",
        r"\paperw11906\paperh16838\margl1134\margr1134\margt1134\margb1134"
        r"\deftab708\widowctrl\ftnbj\aenddoc\formshade\viewkind1\viewscale100",
        r"\sectd \linex0\headery708\footery708\colsx708\endnhere\sectdefaultcl",
    ]
    parts += body(blocks, svgshot)
    parts.append("}")
    lines = [line for part in parts for line in part.split("\r\n")]
    return "\r\n".join(wrap(line) for line in lines) + "\r\n"


def wrap(line, width=96):
    """A long line broken before a control word or escape, as word processors keep their lines
    short."""
    starts = []  # where control words and escapes begin
    i = 0
    while i < len(line):
        if line[i] == "\\":
            starts.append(i)
            i += 2
        else:
            i += 1
    out = []
    begin = 0
    for here, after in zip(starts, starts[1:] + [len(line)]):
        if after - begin > width and here > begin and line[here - 2:here] != "\\*":
            out.append(line[begin:here])
            begin = here
    out.append(line[begin:])
    return "\r\n".join(out)


def main():
    svgshot, out = sys.argv[1], Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    for name in LESSONS:
        rtf = document(HERE / "lessons" / f"{name}.txt", svgshot)
        (out / f"{name}.vrk").write_bytes(rtf.encode("ascii"))


if __name__ == "__main__":
    main()
