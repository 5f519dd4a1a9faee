#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

"""window_table.py RESULTS.json WINDOW.json STARTUP.json: the window and start-up goal tables of
BENCHMARKS.md.

RESULTS.json is a zr_bench JSON run (for BM_Generate, its median CPU time, as table.py reads it).
WINDOW.json is a zr_window_bench JSON run; the per-click figures are wall time, because what the
user sees waits for everything. STARTUP.json holds the samples written by bench/startup.sh.
"""
import json
import statistics
import sys

FRAME_MS = 16.0  # one frame at 60 Hz
# Start-up against the window with one text label: what any window that draws text pays.
STARTUP_RATIO = 1.05
EXTRA_MEMORY_MIB = 1.0


def generate_median_ms(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    for r in runs:
        if r["run_name"] == "BM_Generate" and r.get("aggregate_name") == "median":
            return r["cpu_time"] / 1e6
    raise SystemExit(f"{path}: no median of BM_Generate (run with --benchmark_repetitions)")


def click_counters(path):
    """The per-click counters of BM_GenerateClick; the median over repetitions if there are any."""
    with open(path) as f:
        runs = [r for r in json.load(f)["benchmarks"]
                if r["run_name"].startswith("BM_GenerateClick") and r.get("run_type") == "iteration"]
    if not runs:
        raise SystemExit(f"{path}: no BM_GenerateClick run")
    return {key: statistics.median(r[key] for r in runs)
            for key in ("p50_ms", "p99_ms", "max_ms", "clicks")}


def met(ok):
    return "yes" if ok else "no"


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    generate = generate_median_ms(sys.argv[1])
    c = click_counters(sys.argv[2])
    print("| what the user waits for | time (ms) | goal | met? |")
    print("| --- | ---: | ---: | --- |")
    print(f"| BM_Generate: one text, no window (median CPU time) | {generate:.3f} | — | — |")
    print(f"| BM_GenerateClick: click to text shown, median of {c['clicks']:.0f} clicks "
          f"| {c['p50_ms']:.2f} | — | — |")
    print(f"| BM_GenerateClick: 99th percentile | {c['p99_ms']:.2f} | ≤ {FRAME_MS:.0f} "
          f"| {met(c['p99_ms'] <= FRAME_MS)} |")
    print(f"| BM_GenerateClick: slowest click | {c['max_ms']:.2f} | — | — |")

    with open(sys.argv[3]) as f:
        s = json.load(f)
    med = {name: {key: statistics.median(values) for key, values in run.items()}
           for name, run in s.items()}
    real, label, bare = med["real"], med["label"], med["bare"]
    runs = len(s["real"]["first_paint_ms"])
    ratio = real["first_paint_ms"] / label["first_paint_ms"]
    extra = (real["vmhwm_kib"] - label["vmhwm_kib"]) / 1024
    print()
    print(f"| start-up, median of {runs} runs | program | one-label window | program against it "
          f"| goal | met? |")
    print("| --- | ---: | ---: | ---: | ---: | --- |")
    print(f"| start to first painted window (ms) | {real['first_paint_ms']:.1f} "
          f"| {label['first_paint_ms']:.1f} | {ratio:.2f}× | ≤ {STARTUP_RATIO}× "
          f"| {met(ratio <= STARTUP_RATIO)} |")
    print(f"| start to window mapped (ms) | {real['map_ms']:.1f} | {label['map_ms']:.1f} "
          f"| {real['map_ms'] / label['map_ms']:.2f}× | — | — |")
    print(f"| peak resident memory, VmHWM (MiB) | {real['vmhwm_kib'] / 1024:.2f} "
          f"| {label['vmhwm_kib'] / 1024:.2f} | +{extra:.2f} MiB | ≤ +{EXTRA_MEMORY_MIB:.0f} MiB "
          f"| {met(extra <= EXTRA_MEMORY_MIB)} |")
    print(f"| private memory, RssAnon (MiB) | {real['rssanon_kib'] / 1024:.2f} "
          f"| {label['rssanon_kib'] / 1024:.2f} "
          f"| +{(real['rssanon_kib'] - label['rssanon_kib']) / 1024:.2f} MiB | — | — |")
    print()
    print("| no goal: the empty window | first paint (ms) | VmHWM (MiB) |")
    print("| --- | ---: | ---: |")
    print(f"| empty window, no text | {bare['first_paint_ms']:.1f} | {bare['vmhwm_kib'] / 1024:.2f} |")
    print(f"| one-label window against it | {label['first_paint_ms'] / bare['first_paint_ms']:.2f}× "
          f"| +{(label['vmhwm_kib'] - bare['vmhwm_kib']) / 1024:.2f} MiB |")
    print(f"| program against it | {real['first_paint_ms'] / bare['first_paint_ms']:.2f}× "
          f"| +{(real['vmhwm_kib'] - bare['vmhwm_kib']) / 1024:.2f} MiB |")

if __name__ == "__main__":
    main()
