#!/usr/bin/env python3
"""Turns the benchmark programs' rows into one table against the goals.

Input lines: row <measure> <size> <side> <run> <value>; the side "ours" is
paired run by run with the reference side ("floor" or "raw") of the same
measure and size. Prints a Markdown table: medians with min and max, the
pairwise ratio (or difference), the goal and whether it is met.
"""
import argparse
import collections
import statistics
import sys

LABELS = {
    "startup_ms": "Start-up to visible window, ms",
    "peak_ws_mb": "Peak working set, MB",
    "install_registry": "Install, registry part, ms",
    "install_whole": "Install, whole sequence, ms",
    "load": "LoadSettings, ms",
    "console_rebuild": "Console page: rebuild the list, ms",
    "console_add": "Console page: Add, ms",
    "console_edit": "Console page: Edit, ms",
    "console_delete": "Console page: Delete, ms",
    "console_dialog": "Console page: the editor dialog alone (made, shown, closed, freed), ms",
    "console_sort": "Console page: sort by the header, ms",
    "console_rebuild_sorted": "Console page: rebuild, sorted, ms",
    "console_add_sorted": "Console page: Add, sorted, ms",
}
ORDER = list(LABELS)
SIDES = {"floor_cc6": "the floor with the wizard's manifest (common controls 6.0)"}
# measure -> (kind, limit): ratio ours/ref, difference ours-ref, or absolute.
GOALS = {
    "startup_ms": ("ratio", 1.10),
    "peak_ws_mb": ("diff", 5.0),
    "install_registry": ("ratio", 1.2),
    "install_whole": ("ratio", 1.2),
    "load": ("ratio", 1.2),
}
CONSOLE_LIMIT_MS = 50.0
# Marginal cost per entry from 1,000 to 10,000 against 100 to 1,000.
LINEAR_LIMIT = 1.5


def fmt(x):
    if x >= 100:
        return f"{x:.0f}"
    if x >= 10:
        return f"{x:.1f}"
    return f"{x:.2f}"


def spread(values):
    return f"{fmt(statistics.median(values))} ({fmt(min(values))}–{fmt(max(values))})"


def read(paths):
    data = collections.defaultdict(lambda: collections.defaultdict(dict))
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for line in f:
                parts = line.rstrip("\n").split("\t")
                if len(parts) != 6 or parts[0] != "row":
                    continue
                _, measure, size, side, run, value = parts
                data[(measure, int(size))][side][int(run)] = float(value)
    return data


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("rows", nargs="+")
    ap.add_argument("--size-kb", type=float)
    ap.add_argument("--size-limit-kb", type=float, default=256)
    ap.add_argument("--imports", default="")
    ap.add_argument("--foreign-imports", default="")
    ap.add_argument("--phases", help="startup_phases output: step<TAB>ms, runs split by --")
    args = ap.parse_args()
    data = read(args.rows)

    out = ["| Measure | Entries | Ours: median (min–max) | Floor or raw: median (min–max) "
           "| Ours vs reference, pair by pair: median (min–max) | Goal | Result |",
           "|---|---:|---:|---:|---:|---|---|"]
    missed = 0

    def add(cells, ok):
        nonlocal missed
        missed += 0 if ok else 1
        out.append("| " + " | ".join(cells + ["met" if ok else "**missed**"]) + " |")

    def compare(ours, ref, kind):
        runs = sorted(set(ours) & set(ref))
        if kind == "ratio":
            pairs = [ours[r] / ref[r] for r in runs if ref[r] > 0]
            shown = f"{statistics.median(pairs):.2f} × ({min(pairs):.2f}–{max(pairs):.2f})"
        else:
            pairs = [ours[r] - ref[r] for r in runs]
            shown = f"{statistics.median(pairs):+.1f} ({min(pairs):+.1f}–{max(pairs):+.1f})"
        return statistics.median(pairs), shown

    keys = sorted(data, key=lambda k: (ORDER.index(k[0]) if k[0] in ORDER else 99, k[1]))
    for measure, size in keys:
        sides = data[(measure, size)]
        ours = sides.get("ours", {})
        label = LABELS.get(measure, measure)
        entries = f"{size:,}" if size else ""
        refname = "floor" if "floor" in sides else "raw"
        if measure in GOALS and refname in sides:
            ref = sides[refname]
            kind, limit = GOALS[measure]
            value, shown = compare(ours, ref, kind)
            goal = f"≤ {limit:.2f} × {refname}" if kind == "ratio" else f"≤ {refname} + {limit:g}"
            add([label, entries, spread(list(ours.values())), spread(list(ref.values())), shown,
                 goal], value <= limit)
            # Other programs measured beside the floor: what the platform alone costs.
            for side in sorted(s for s in sides if s not in ("ours", refname)):
                _, shown = compare(sides[side], ref, kind)
                out.append(f"| {label}: {SIDES.get(side, side)} | | "
                           f"{spread(list(sides[side].values()))} | {spread(list(ref.values()))} "
                           f"| {shown} | for scale | |")
        elif measure.startswith("console_") and measure != "console_dialog":
            values = list(ours.values())
            add([label, entries, spread(values), "", "", f"< {CONSOLE_LIMIT_MS:g} ms"],
                statistics.median(values) < CONSOLE_LIMIT_MS)
        else:
            out.append(f"| {label} | {entries} | {spread(list(ours.values()))} | | | | |")

    for measure in ("install_registry", "install_whole", "load"):
        med = {}
        for size in (100, 1000, 10000):
            ours = data.get((measure, size), {}).get("ours")
            if ours:
                med[size] = statistics.median(ours.values())
        if len(med) == 3 and med[1000] > med[100]:
            low = (med[1000] - med[100]) / 900
            high = (med[10000] - med[1000]) / 9000
            add([LABELS[measure].replace(", ms", ": growth"), "100 → 10,000",
                 f"{low * 1000:.1f} then {high * 1000:.1f} µs per entry", "",
                 f"{high / low:.2f} ×", f"linear: ≤ {LINEAR_LIMIT:g} × the per-entry cost"],
                high / low <= LINEAR_LIMIT)

    if args.size_kb is not None:
        add(["Stripped executable, KB", "", fmt(args.size_kb), "", "",
             f"≤ {args.size_limit_kb:g} KB"], args.size_kb <= args.size_limit_kb)
    if args.imports:
        foreign = args.foreign_imports.strip()
        add(["Imported DLLs", "", args.imports.replace(",", ", "), "", "",
             "system DLLs only"] if not foreign else
            ["Imported DLLs", "", args.imports.replace(",", ", "), "", "not system: " + foreign,
             "system DLLs only"], not foreign)

    print("\n".join(out))
    print(f"\n{missed} goal(s) missed." if missed else "\nEvery goal met.")
    if args.phases:
        steps = collections.OrderedDict()
        with open(args.phases, encoding="utf-8") as f:
            for line in f:
                parts = line.rstrip("\n").split("\t")
                if len(parts) == 2:
                    steps.setdefault(parts[0], []).append(float(parts[1]))
        print("\nWhere the wizard's start-up goes (in process, medians):\n")
        print("| Step | ms |\n|---|---:|")
        for step, values in steps.items():
            print(f"| {step} | {fmt(statistics.median(values))} |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
