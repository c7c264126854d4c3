#!/usr/bin/env python3
"""Checks the tree's one rule and its layers: plugin/ and studio/ include
nothing of each other (they meet only in sdk/), sdk/ includes only itself,
and inside each wing a folder includes only folders at or below its level.
Prints every include that breaks this and exits 1 if there is any."""
import pathlib
import re
import sys

# Lower numbers stand lower; a folder may include its own level and below.
LEVELS = {
    "plugin": {"suites": 0, "params": 1, "generator": 1, "dialog": 2, "entry": 3},
    "studio": {"loader": 0, "document": 0, "io": 1, "dialogs": 1, "host": 2, "suites": 3,
               "session": 4, "web": 5, "cli": 6},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def place(path):
    parts = pathlib.PurePosixPath(path).parts
    if parts[0] == "sdk":
        return ("sdk", None)
    if parts[0] in LEVELS and len(parts) > 2:
        return (parts[0], parts[1])
    return (parts[0], None)


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    bad = []
    for wing in ("sdk", "plugin", "studio"):
        for source in sorted((root / wing).rglob("*")):
            if source.suffix not in (".h", ".cpp", ".c"):
                continue
            rel = source.relative_to(root).as_posix()
            wing_from, folder_from = place(rel)
            for target in INCLUDE.findall(source.read_text(encoding="utf-8")):
                if wing_from == "sdk":
                    if "/" in target and not target.startswith("sdk/"):
                        bad.append(f"{rel}: includes {target}; sdk/ includes only itself")
                    continue
                if "/" not in target:
                    continue
                wing_to, folder_to = place(target)
                if wing_to == "sdk":
                    continue
                if wing_to != wing_from:
                    bad.append(f"{rel}: includes {target}; plugin/ and studio/ meet only in sdk/")
                elif folder_from in LEVELS[wing_from] and folder_to in LEVELS[wing_to]:
                    if LEVELS[wing_to][folder_to] > LEVELS[wing_from][folder_from]:
                        bad.append(f"{rel}: includes {target}, which stands above it")
    for line in bad:
        print(line)
    if bad:
        return 1
    print("layers: every include runs within a wing, to its own level or below")
    return 0


if __name__ == "__main__":
    sys.exit(main())
