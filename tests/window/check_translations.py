#!/usr/bin/env python3
"""Fails when a text of the sources is not in every translation, or is there unfinished.

Runs lupdate over the sources into a copy of each committed .ts file: a text that lupdate
adds is one nobody translated, a text it drops is one the sources no longer have (the file is
stale). Every remaining message must be finished, keep the source's placeholders (%1 ...) and
its keys (Ctrl+O), and have every plural form of its language filled.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?[1-9]|n)")
KEY = re.compile(r"\b(?:Ctrl|Alt|Shift)(?:\+(?:Ctrl|Alt|Shift))*\+(?:F\d+|[A-Z][a-z]*|[0-9.])")
PLURAL_FORMS = {"de": 2, "es": 2, "ja": 1, "ar": 6, "he": 4}


def messages(path):
    root = ET.parse(path).getroot()
    found = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return root.get("language"), found


def problems_of(language, found):
    problems = []
    forms = PLURAL_FORMS.get(language.split("_")[0])
    for (context, source, _), message in sorted(found.items()):
        where = "%s: %r" % (context, source)
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            problems.append("%s is %s" % (where, kind))
            continue
        if message.get("numerus") == "yes":
            texts = [f.text or "" for f in translation.findall("numerusform")]
            if forms is not None and len(texts) != forms:
                problems.append("%s has %d plural forms, not %d" % (where, len(texts), forms))
            if not any("%n" in t for t in texts):
                problems.append("%s never shows the count (%%n)" % where)
        else:
            texts = [translation.text or ""]
        for text in texts:
            if not text.strip() and source.strip():
                problems.append("%s is empty" % where)
                continue
            wanted = set(PLACEHOLDER.findall(source)) - {"%n"}
            if set(PLACEHOLDER.findall(text)) - {"%n"} != wanted:
                problems.append("%s: %r does not keep the placeholders %s" %
                                (where, text, sorted(wanted)))
            for key in KEY.findall(source):
                if key not in text:
                    problems.append("%s: %r lost the key %s" % (where, text, key))
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for committed in args.ts:
            name = os.path.basename(committed)
            language, before = messages(committed)
            fresh = os.path.join(scratch, name)
            shutil.copyfile(committed, fresh)
            subprocess.run([args.lupdate, "-silent", "-locations", "none", "-no-obsolete",
                            args.sources, "-ts", fresh], check=True)
            _, after = messages(fresh)
            for key in sorted(after.keys() - before.keys()):
                failures.append("%s: not translated: %s: %r" % (name, key[0], key[1]))
            for key in sorted(before.keys() - after.keys()):
                failures.append("%s: stale, no longer in the sources: %s: %r" %
                                (name, key[0], key[1]))
            failures += ["%s: %s" % (name, p) for p in problems_of(language, before)]
            print("%s: %d messages checked" % (name, len(before)))
    for failure in failures:
        print(failure)
    if failures:
        print("%d problems; `cmake --build build --target update_translations` takes new texts "
              "into the .ts files" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
