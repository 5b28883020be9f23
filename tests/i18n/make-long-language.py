#!/usr/bin/env python3
"""Makes a made-up language for the fit test: every text of a catalogue's
sources, each word 40 % longer and every letter an accented look-alike
("Setup" becomes "Ŝéţûþ~~"), so that a text that only just fits in English,
or whose accents reach above the capitals, shows where it would be cut.
Place markers (%1), key names (F%1), accelerators (&S; && stays) and
line breaks are kept. Never shipped: the test build compiles it with lrelease.

usage: make-long-language.py SOURCE_TS OUTPUT_TS
"""
import re
import sys
import xml.etree.ElementTree as ET

LOOK_ALIKES = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "åƀçđéƒĝĥîĵķļḿñöþǫŕšţûṽŵẋýžÅƁÇĐÉƑĜĤÎĴĶĻḾÑÖÞǪŔŜŢÛṼŴẊÝŽ"))

# A marker, a key name (F%1), an escaped ampersand, a line break, a run of
# spaces, or a word; all but words stay as they are.
TOKEN = re.compile(r"F?%\d+|&&|\n| +|[^\s%]+|%")
KEPT = re.compile(r"F?%\d+|&&|\n| +|%")


def lengthen(word):
    """The word in look-alikes, padded with tildes to 1.4 times its letters."""
    letters = len(word.replace("&", ""))
    # Each word counts the space after it, so a whole text grows by 40 %.
    padding = round(1.4 * (letters + 1)) - 1 - letters
    return "".join(LOOK_ALIKES.get(c, c) for c in word) + "~" * padding


def long_text(source):
    out = []
    for token in TOKEN.findall(source):
        if KEPT.fullmatch(token):
            out.append(token)
        else:
            out.append(lengthen(token))
    return "".join(out)


def main():
    source_ts, output_ts = sys.argv[1:3]
    tree = ET.parse(source_ts)
    root = tree.getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        for child in list(translation):
            translation.remove(child)
        translation.attrib.clear()
        translation.text = long_text(message.findtext("source") or "")
    tree.write(output_ts, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
