#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""compare-smaps.py BEFORE AFTER [--top N]: what a process's resident memory grew by between two
copies of its /proc/PID/smaps (QV_BENCH_SNAPSHOTS of the idle benchmark keeps them), in kB,
by kind of mapping and then by the mappings that grew most."""
import argparse
import collections
import os
import re

HEADER = re.compile(r"^([0-9a-f]+)-([0-9a-f]+) (\S{4}) \S+ \S+ \S+\s*(.*)$")
FIELDS = ("Rss", "Private_Clean", "Private_Dirty", "Anonymous")
# glibc places each thread arena's heap at a multiple of its largest size.
ARENA_ALIGNMENT = 64 * 1024 * 1024


def read_mappings(path):
    mappings = []
    with open(path) as text:
        for line in text:
            header = HEADER.match(line)
            if header:
                start, end, perms, name = header.groups()
                mappings.append({"start": int(start, 16), "end": int(end, 16),
                                 "perms": perms, "name": name.strip(),
                                 **{field: 0 for field in FIELDS}})
                continue
            field, _, value = line.partition(":")
            if field in FIELDS and mappings:
                mappings[-1][field] = int(value.split()[0])
    return mappings


def kind(mapping, previous):
    name = mapping["name"]
    if name == "[heap]":
        return "heap: main arena"
    if name.startswith("["):
        return name
    if not name:
        if mapping["start"] % ARENA_ALIGNMENT == 0 and mapping["perms"].startswith("rw"):
            return "heap: thread arenas"
        guarded = previous and previous["end"] == mapping["start"] and previous["perms"] == "---p"
        if guarded and not previous["name"]:
            return "anonymous: thread stacks (and guarded mmaps)"
        return "anonymous: other mmaps (JS heap, images, large blocks)"
    base = os.path.basename(name.replace(" (deleted)", ""))
    if re.search(r"\.(ttf|otf|ttc|pfb|pcf(\.gz)?)$", base, re.I):
        return "fonts"
    if "fontconfig" in name or base.endswith(".cache-8") or base.endswith(".cache-7"):
        return "fontconfig caches"
    if base.endswith(".qmlc") or "qmlcache" in name:
        return "qml disk cache"
    if ".so" in base:
        return "library: " + re.sub(r"\.so.*$", ".so", base)
    return "file: " + base


def totals(mappings):
    by_kind = collections.defaultdict(lambda: collections.Counter())
    previous = None
    for mapping in mappings:
        by_kind[kind(mapping, previous)].update({field: mapping[field] for field in FIELDS})
        previous = mapping
    return by_kind


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("before")
    parser.add_argument("after")
    parser.add_argument("--top", type=int, default=25)
    arguments = parser.parse_args()
    before, after = totals(read_mappings(arguments.before)), totals(read_mappings(arguments.after))
    grown = {}
    for name in set(before) | set(after):
        grown[name] = {field: after[name][field] - before[name][field] for field in FIELDS}
    groups = collections.Counter()
    for name, change in grown.items():
        group = "libraries" if name.startswith("library: ") else name.split(":")[0]
        groups[group] += change["Rss"]
    print("%-58s %8s" % ("group", "Rss kB"))
    for group, rss in sorted(groups.items(), key=lambda item: -abs(item[1])):
        if rss:
            print("%-58s %+8d" % (group, rss))
    print()
    print("%-58s %8s %8s %8s %8s" % ("kind", "Rss", "PrivCln", "PrivDty", "Anon"))
    ranked = sorted(grown.items(), key=lambda item: -abs(item[1]["Rss"]))
    for name, change in ranked[: arguments.top]:
        if any(change.values()):
            print("%-58s %+8d %+8d %+8d %+8d" % (name[:58], *(change[f] for f in FIELDS)))
    print("%-58s %+8d" % ("total", sum(change["Rss"] for change in grown.values())))


if __name__ == "__main__":
    main()
