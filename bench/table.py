#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

"""table.py RESULTS.json: the goal table of BENCHMARKS.md from a zr_bench JSON run.

Uses the median CPU time of each benchmark (the run needs --benchmark_repetitions); CPU time
rather than wall time because the machine's two cores are shared, and a benchmark waiting for a
core is not a slower benchmark.
"""
import json
import sys


def medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    return {r["run_name"]: r["cpu_time"] / 1000.0  # microseconds
            for r in runs
            if r.get("aggregate_name") == "median" and r.get("time_unit") == "ns"}


def main():
    m = medians(sys.argv[1])
    # A run filtered to some benchmarks shows the rows it has.
    rows = [(name, m[a], m[b], goal) for name, a, b, goal in [
        ("BM_Generate vs BM_IoFloor", "BM_Generate", "BM_IoFloor", 2.0),
        ("BM_GenerateRecords/32767 vs /12", "BM_GenerateRecords/32767", "BM_GenerateRecords/12",
         1.2),
        ("BM_IoFloorRecords/32767 vs /12 (the system alone, no goal)",
         "BM_IoFloorRecords/32767", "BM_IoFloorRecords/12", None),
    ] if a in m and b in m]
    if rows:
        print("| comparison | figure (µs) | against (µs) | ratio | goal | met? |")
        print("| --- | ---: | ---: | ---: | ---: | --- |")
    for name, figure, base, goal in rows:
        ratio = figure / base
        met = "—" if goal is None else ("yes" if ratio <= goal else "no")
        goal_text = "—" if goal is None else f"≤ {goal:.1f}×"
        print(f"| {name} | {figure:.1f} | {base:.1f} | {ratio:.2f}× | {goal_text} | {met} |")
    if rows:
        print()
    print("| benchmark | median CPU time (µs) |")
    print("| --- | ---: |")
    def order(name):
        base, _, arg = name.partition("/")
        return base, int(arg.split(":")[-1]) if arg else 0

    for name in sorted(m, key=order):
        if not name.startswith("BM_LineStream"):
            print(f"| {name} | {m[name]:.1f} |")
    forms = ["lines", "paragraphs", "html", "markdown", "json"]
    streams = [n for n in sorted(m, key=order) if n.startswith("BM_LineStream")]
    if streams:
        print()
        print("| BM_LineStream: the text command's stream, per line | median CPU time (ns) | lines/s |")
        print("| --- | ---: | ---: |")
        for name in streams:
            form = forms[order(name)[1]]
            print(f"| --format={form} | {m[name] * 1000:.1f} | {1e6 / m[name]:,.0f} |")


if __name__ == "__main__":
    main()
