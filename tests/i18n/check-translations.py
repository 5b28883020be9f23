#!/usr/bin/env python3
"""Fails when a translation falls behind the code or is unfinished.

Runs lupdate over the code into copies of the .ts files, exactly as the
update_translations target does, and then judges the copies: every message
must be translated (no "unfinished"), none may be gone from the code
("vanished" or "obsolete"), lupdate must change nothing (the files in the
repository are level with the code), and each translation must keep the
source's place markers (%1, %2, ...), line breaks and accelerator marks.

usage: check-translations.py LUPDATE SOURCE_DIR TS_FILE...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

TRANSLATED = ["ui", "panel", "res/panelwindow.ui", "res/setupdialog.ui", "res/aboutdialog.ui"]


def markers(text):
    return sorted(re.findall(r"%\d", text))


def accelerators(text):
    return len(re.findall(r"&(?!&|amp;)\w", text.replace("&&", "")))


def judge(path, original_text, problems):
    name = os.path.basename(path)
    with open(path, encoding="utf-8") as f:
        now = f.read()
    if now != original_text:
        problems.append(f"{name}: behind the code; run: cmake --build build --target update_translations")
    for context in ET.parse(path).getroot().iter("context"):
        where = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            said = f'{name}: {where}: "{source}"'
            if kind in ("vanished", "obsolete"):
                problems.append(f"{said}: no longer in the code")
                continue
            text = "".join(translation.itertext()) if translation is not None else ""
            if kind == "unfinished" or not text.strip():
                problems.append(f"{said}: not translated")
                continue
            if markers(source) != markers(text):
                problems.append(f"{said}: the translation's place markers differ: \"{text}\"")
            if source.count("\n") > 0 and text.count("\n") != source.count("\n"):
                problems.append(f"{said}: the translation's line breaks differ: \"{text}\"")
            if accelerators(source) != accelerators(text):
                problems.append(f"{said}: the translation has no single & accelerator: \"{text}\"")


def main():
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = {}
        for ts in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            with open(ts, encoding="utf-8") as f:
                copies[copy] = f.read()
        subprocess.run([lupdate, "-silent", "-I", ".", "-locations", "none", "-extensions", "cpp,h,ui",
                        *TRANSLATED, "-ts", *copies], cwd=source_dir, check=True)
        for copy, original in copies.items():
            judge(copy, original, problems)
    for problem in problems:
        print(problem)
    print(f"{len(ts_files)} catalogues, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
