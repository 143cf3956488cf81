#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a file under src/ includes a project header from a layer it does not declare.

layers.txt has one line per layer: "folder:allowed folder;allowed folder..." as the CMake
files declare them. A file belongs to the longest declared folder that contains it; it may
include its own folder and the allowed ones. Folders that declare nothing (the composition
root) are not checked."""
import os
import re
import sys

src, layer_file = sys.argv[1], sys.argv[2]
allowed = {}
for line in open(layer_file, encoding="utf-8"):
    line = line.strip()
    if not line:
        continue
    folder, _, deps = line.partition(":")
    allowed[folder] = {d for d in deps.replace(";", " ").split() if d}

include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def owner(path):
    best = None
    for folder in allowed:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


faults = []
for dirpath, _, files in os.walk(src):
    for name in files:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.join(dirpath, name)
        rel = os.path.relpath(path, src)
        layer = owner(os.path.dirname(rel))
        if layer is None:
            continue
        text = open(path, encoding="utf-8").read()
        for header in include.findall(text):
            target = owner(os.path.dirname(header))
            if target is None or target == layer or target in allowed[layer]:
                continue
            faults.append(f"{rel}: includes {header}, but {layer} does not build on {target}")

for fault in faults:
    print(fault)
if faults:
    print(f"{len(faults)} include(s) outside the declared layers")
sys.exit(1 if faults else 0)
