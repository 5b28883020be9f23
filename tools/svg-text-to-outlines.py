#!/usr/bin/python3
"""Turns the words of SVG pictures into glyph outlines.

A word set as <text> is drawn in whatever font the PC has for its family, so
without Arial the button words came out wider, narrower or cut. This tool
replaces each <text> element by one <path> holding the glyph outlines of a
metric-compatible font (Liberation Sans for Arial), placed as the text was:
same x/y, font-size, text-anchor, weight, letter-spacing and kerning, and the
element's other attributes (fill, transform, ...) kept on the path. The font
is read from the <text> element's own attributes, not from its parents.

The build never runs this: the converted pictures are committed. Each path is
preceded by a comment holding the <text> it was made from, and a run reads
that comment again, so to change a word edit it in the comment (or write a
fresh <text> element) and run the tool again.

Needs Debian's python3-fonttools and fonts-liberation2 (or fonts-liberation).

    tools/svg-text-to-outlines.py                 # the button pictures in res/
    tools/svg-text-to-outlines.py res/other.svg   # just this picture
"""

import argparse
import html
import pathlib
import re
import sys

try:
    from fontTools.pens.svgPathPen import SVGPathPen
    from fontTools.pens.transformPen import TransformPen
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit("needs fontTools: apt-get install python3-fonttools")

REPO = pathlib.Path(__file__).resolve().parent.parent
FONT_DIRS = ["/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"]

# CSS family names and the Liberation family with the same metrics.
FAMILIES = {
    "arial": "LiberationSans",
    "helvetica": "LiberationSans",
    "liberation sans": "LiberationSans",
    "sans-serif": "LiberationSans",
    "times new roman": "LiberationSerif",
    "times": "LiberationSerif",
    "liberation serif": "LiberationSerif",
    "serif": "LiberationSerif",
    "courier new": "LiberationMono",
    "courier": "LiberationMono",
    "liberation mono": "LiberationMono",
    "monospace": "LiberationMono",
}

# Attributes that say how to set the word; every other one goes to the path.
TEXT_ONLY = {"x", "y", "font-family", "font-weight", "font-size", "font-style",
             "text-anchor", "letter-spacing", "xml:space"}

MARK = "outlines of: "
TEXT_RE = re.compile(r"<text\b([^>]*)>([^<]*)</text>", re.S)
MADE_RE = re.compile(r"<!-- " + MARK + r"(<text\b[^>]*>[^<]*</text>) -->\s*<path\b[^>]*/>", re.S)
ATTR_RE = re.compile(r'([\w:-]+)\s*=\s*"([^"]*)"')


def number(value):
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


class Face:
    """One font file: outlines, advances and pair kerning in font units."""

    def __init__(self, path):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.units = self.font["head"].unitsPerEm
        self.pairs = self._kerning()

    def glyph(self, char):
        if ord(char) not in self.cmap:
            sys.exit(f"{self.font.reader.file.name} has no glyph for {char!r}")
        return self.cmap[ord(char)]

    def advance(self, name):
        return self.font["hmtx"][name][0]

    def kern(self, left, right):
        """The x advance change of left before right: each lookup adds its first match."""
        total = 0
        for subtables in self.pairs:
            found = (self._pair(sub, left, right) for sub in subtables)
            total += next((value for value in found if value is not None), 0)
        return total

    def _kerning(self):
        """The pair-adjustment subtables of the Latin script's 'kern' feature, by lookup."""
        if "GPOS" not in self.font:
            return []
        table = self.font["GPOS"].table
        scripts = {rec.ScriptTag: rec.Script for rec in table.ScriptList.ScriptRecord}
        script = scripts.get("latn") or scripts.get("DFLT")
        if script is None or script.DefaultLangSys is None:
            return []
        features = [table.FeatureList.FeatureRecord[i] for i in script.DefaultLangSys.FeatureIndex]
        kerns = [rec.Feature for rec in features if rec.FeatureTag == "kern"]
        indices = [i for feature in kerns for i in feature.LookupListIndex]
        lookups = []
        for index in sorted(indices):
            lookup = table.LookupList.Lookup[index]
            subs = [s.ExtSubTable if lookup.LookupType == 9 else s for s in lookup.SubTable]
            subs = [s for s in subs if getattr(s, "LookupType", lookup.LookupType) == 2]
            if subs:
                lookups.append(subs)
        return lookups

    @staticmethod
    def _pair(sub, left, right):
        """The x advance change of left before right, None if sub does not cover left."""
        if left not in sub.Coverage.glyphs:
            return None
        if sub.Format == 1:
            pairs = sub.PairSet[sub.Coverage.glyphs.index(left)].PairValueRecord
            for rec in pairs:
                if rec.SecondGlyph == right:
                    return getattr(rec.Value1, "XAdvance", 0) if rec.Value1 else 0
            return None
        first = sub.ClassDef1.classDefs.get(left, 0)
        second = sub.ClassDef2.classDefs.get(right, 0)
        value = sub.Class1Record[first].Class2Record[second].Value1
        return getattr(value, "XAdvance", 0) if value else 0


def face_for(attrs, font_dirs, cache):
    asked = attrs.get("font-family", "Arial").split(",")
    families = [f.strip().strip("'\"").lower() for f in asked]
    family = next((FAMILIES[f] for f in families if f in FAMILIES), "LiberationSans")
    weight = attrs.get("font-weight", "normal")
    bold = weight in ("bold", "bolder") or (weight.isdigit() and int(weight) >= 600)
    italic = attrs.get("font-style", "normal") in ("italic", "oblique")
    style = ("Bold" if bold else "") + ("Italic" if italic else "") or "Regular"
    name = f"{family}-{style}.ttf"
    for folder in font_dirs:
        path = pathlib.Path(folder) / name
        if path.exists():
            if path not in cache:
                cache[path] = Face(path)
            return cache[path]
    sys.exit(f"{name} not found in {', '.join(font_dirs)} (apt-get install fonts-liberation2)")


def outline(text_element, indent, font_dirs, cache):
    """The <path> drawing the words of one <text> element."""
    head, content = TEXT_RE.fullmatch(text_element).groups()
    if "--" in text_element:
        sys.exit(f"{text_element}: '--' cannot stand in the comment that keeps it")
    attrs = dict(ATTR_RE.findall(head))
    words = " ".join(html.unescape(content).split())
    face = face_for(attrs, font_dirs, cache)
    size = float(attrs.get("font-size", "16").removesuffix("px"))
    scale = size / face.units
    spacing = float(attrs.get("letter-spacing", "0").removesuffix("px").replace("normal", "0"))

    names = [face.glyph(c) for c in words]
    offsets, pen_x = [], 0.0
    for i, name in enumerate(names):
        offsets.append(pen_x)
        pen_x += face.advance(name) * scale + spacing
        if i + 1 < len(names):
            pen_x += face.kern(name, names[i + 1]) * scale
    width = pen_x - spacing if names else 0.0
    shift = {"middle": width / 2, "end": width}.get(attrs.get("text-anchor", "start"), 0.0)
    x = float(attrs.get("x", "0")) - shift
    y = float(attrs.get("y", "0"))

    pen = SVGPathPen(face.glyphs, ntos=number)
    for name, offset in zip(names, offsets):
        face.glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, x + offset, y)))
    kept = "".join(f' {k}="{v}"' for k, v in attrs.items() if k not in TEXT_ONLY)
    return f'<!-- {MARK}{text_element} -->\n{indent}<path{kept} d="{pen.getCommands()}"/>'


def convert(source, font_dirs, cache):
    """The source with its words, fresh or outlined before, outlined anew."""

    def replace(match):
        line = source[source.rfind("\n", 0, match.start()) + 1:]
        indent = re.match(r"[ \t]*", line).group(0)
        return outline(match.group(1) or match.group(2), indent, font_dirs, cache)

    # A made path with its comment, or a <text> that no comment holds.
    either = re.compile(f"{MADE_RE.pattern}|(?<!{MARK})({TEXT_RE.pattern})", re.S)
    result = either.sub(replace, source)
    if re.search(r"<text\b", re.sub(r"<!--.*?-->", "", result, flags=re.S)):
        sys.exit("a <text> holds markup (<tspan>, ...): write each line as a <text> of its own")
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("files", nargs="*", type=pathlib.Path,
                        help="SVG files to rewrite in place (default: res/button-*.svg)")
    parser.add_argument("--font-dir", action="append",
                        help="folder with the Liberation .ttf files "
                        f"(default: {', '.join(FONT_DIRS)})")
    args = parser.parse_args()
    files = args.files or sorted((REPO / "res").glob("button-*.svg"))
    cache = {}
    for path in files:
        before = path.read_text(encoding="utf-8")
        after = convert(before, args.font_dir or FONT_DIRS, cache)
        if after != before:
            path.write_text(after, encoding="utf-8")
            print(f"{path}: rewritten")
        else:
            print(f"{path}: unchanged")


if __name__ == "__main__":
    main()
