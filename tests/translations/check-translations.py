#!/usr/bin/env python3
"""Checks each language's .ts file: every text of the sources is in it
(lupdate run on a copy finds nothing new), every entry is finished and not
empty, and each translation keeps the source's %1-style placeholders and its
one '&' accelerator.
usage: check-translations.py LUPDATE SOURCE_DIR... -- TS_FILE..."""
import re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n)")


def text(element):
    # lupdate writes a carriage return as <byte value="xd"/>.
    s = element.text or ""
    for child in element:
        if child.tag == "byte":
            s += chr(int(child.get("value").lstrip("x"), 16))
        s += child.tail or ""
    return s


def accelerators(s):
    return s.replace("&&", "").count("&")


def check(path):
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text(message.find("source"))
            translation = message.find("translation")
            where = f"{path}: {name}: {source!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where}: {translation.get('type')}")
                continue
            forms = [text(f) for f in translation.iter("numerusform")] or [text(translation)]
            for form in forms:
                if not form.strip():
                    faults.append(f"{where}: empty")
                elif sorted(PLACEHOLDER.findall(form)) != sorted(PLACEHOLDER.findall(source)):
                    faults.append(f"{where}: placeholders differ in {form!r}")
                elif accelerators(form) != accelerators(source):
                    faults.append(f"{where}: accelerator lost in {form!r}")
    return faults


def main(argv):
    split = argv.index("--")
    lupdate, sources, ts_files = argv[1], argv[2:split], argv[split + 1:]
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in ts_files:
            copy = shutil.copy(ts, scratch)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *sources, "-ts", copy],
                           check=True)
            faults += [f.replace(copy, ts) for f in check(copy)]
    for fault in faults:
        print(fault)
    print(f"{len(ts_files)} translations checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
