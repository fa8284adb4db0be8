#!/usr/bin/env python3
"""Writes a pseudo-translation: every text of a .ts file wrapped as ⟦text⟧.

A window shown in it reads ⟦…⟧ around everything that went through the translator, so a test
can find a visible text that did not.
"""
import sys
import xml.etree.ElementTree as ET


def main(source_ts, pseudo_ts):
    tree = ET.parse(source_ts)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        translation.attrib.clear()
        for child in list(translation):
            translation.remove(child)
        translation.text = None
        pseudo = "LTR" if source == "QT_LAYOUT_DIRECTION" else "\u27e6%s\u27e7" % source
        if message.get("numerus") == "yes":
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo
        else:
            translation.text = pseudo
    tree.write(pseudo_ts, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
