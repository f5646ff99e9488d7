#!/usr/bin/env python3
"""Parses every project file the test suite saved, and every template, with Python's strict
XML parser (expat): a file that only our own parser accepts would be refused elsewhere.
Usage: StrictXmlCheck.py SAVED_FOLDER TEMPLATE_FOLDER. Exits 77 (skipped) when no test saved
a project, e.g. when only a few tests were run."""
import pathlib
import sys
import xml.etree.ElementTree as ElementTree


def main() -> int:
    saved = sorted(pathlib.Path(sys.argv[1]).glob("*.vdcps"))
    templates = sorted(pathlib.Path(sys.argv[2]).glob("*.ysht"))
    failures = []
    for path in saved + templates:
        try:
            ElementTree.parse(path)
        except ElementTree.ParseError as error:
            failures.append(f"{path}: {error}")
    for failure in failures:
        print(failure)
    print(f"{len(saved)} saved projects and {len(templates)} templates parsed, "
          f"{len(failures)} refused")
    if failures:
        return 1
    return 0 if saved else 77


if __name__ == "__main__":
    sys.exit(main())
