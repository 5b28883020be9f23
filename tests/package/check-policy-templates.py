#!/usr/bin/env python3
"""Checks the group-policy templates: pendra.admx and every <language>/pendra.adml.

The ADMX may write only the seven enforced values the panel reads, with the
kinds the panel expects, and every text it names must be in each language.
Usage: check-policy-templates.py <res/windows/policy>
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

KEY = r"Software\Policies\Orvane\Metrova\pendra"
KINDS = {"Local_IP_Address": "text", "Local_IP_Port": "text",
         "Remote_IP_Address": "text", "Remote_IP_Port": "text",
         "DisplayErrors": "0/1", "Window_FullScreen": "0/1", "Language": "enum"}
LANGUAGES = ["en", "de", "fr", "it", "es", "pt_BR", "pl", "cs", "tr", "ja", "ko", "zh_CN", "zh_TW"]
FOLDERS = ["en-US", "de-DE", "fr-FR", "it-IT", "es-ES", "pt-BR", "pl-PL", "cs-CZ",
           "tr-TR", "ja-JP", "ko-KR", "zh-CN", "zh-TW"]
REF = re.compile(r"\$\((string|presentation)\.([^)]*)\)")


def fail(path, what):
    sys.exit(f"FAIL {path}: {what}")


def load(path):
    if not os.path.isfile(path):
        fail(path, "missing")
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        fail(path, f"not well-formed XML: {e}")
    for el in root.iter():  # the namespace is the same everywhere; compare local names
        el.tag = el.tag.rpartition("}")[2]
    return root


def decimal(policy, which):
    d = policy.find(f"{which}/decimal")
    return None if d is None else d.get("value")


def check_admx(path):
    """Returns the references the ADMX makes and, per presentation, the element ids it shows."""
    root = load(path)
    kinds, shows = {}, {}
    for policy in root.iter("policy"):
        name = policy.get("name")
        if policy.get("key") != KEY or policy.get("class") != "Machine":
            fail(path, f"policy {name} is class {policy.get('class')} under key {policy.get('key')}, "
                       f"not Machine under {KEY}")
        values = []
        if policy.get("valueName"):
            on, off = decimal(policy, "enabledValue"), decimal(policy, "disabledValue")
            values.append((policy.get("valueName"), "0/1" if (on, off) == ("1", "0") else f"{on}/{off}"))
        ids = []
        for el in policy.findall("elements/*"):
            if el.get("key", KEY) != KEY:
                fail(path, f"element {el.get('id')} of {name} writes under key {el.get('key')}")
            kind = el.tag
            if el.tag == "text" and el.get("expandable") == "true":
                kind = "expandable text"
            if el.tag == "enum":
                codes = [s.text for s in el.findall("item/value/string")]
                if codes != LANGUAGES:
                    fail(path, f"enum {el.get('id')} offers {codes}, not {LANGUAGES}")
            values.append((el.get("valueName"), kind))
            ids.append(el.get("id"))
        for value, kind in values:
            if value in kinds:
                fail(path, f"value {value} is written twice")
            kinds[value] = kind
        ref = REF.fullmatch(policy.get("presentation", ""))
        if ids and not ref:
            fail(path, f"policy {name} has elements but no $(presentation.X)")
        if ref:
            shows[ref.group(2)] = ids
    for value in sorted(set(KINDS) | set(kinds)):
        if kinds.get(value) != KINDS.get(value):
            fail(path, f"value {value}: expected {KINDS.get(value, 'no such value')}, "
                       f"found {kinds.get(value, 'nothing')}")
    refs = {(m.group(1), m.group(2)) for el in root.iter() for v in el.attrib.values()
            for m in REF.finditer(v)}
    print(f"ok   {path}: {len(kinds)} values under {KEY}, {len(refs)} references")
    return refs, shows


def check_adml(path, refs, shows):
    root = load(path)
    strings = {s.get("id") for s in root.iter("string")}
    presentations = {p.get("id"): {c.get("refId") for c in p} for p in root.iter("presentation")}
    for kind, name in sorted(refs):
        if name not in (strings if kind == "string" else presentations):
            fail(path, f"no {kind} {name}, which pendra.admx names")
    for presentation, ids in shows.items():
        for missing in [i for i in ids if i not in presentations[presentation]]:
            fail(path, f"presentation {presentation} has no control with refId {missing}")
    print(f"ok   {path}: {len(strings)} strings, {len(presentations)} presentations")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    refs, shows = check_admx(os.path.join(folder, "pendra.admx"))
    for language in FOLDERS:
        check_adml(os.path.join(folder, language, "pendra.adml"), refs, shows)


if __name__ == "__main__":
    main()
