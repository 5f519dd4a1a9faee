#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

"""text_peers.py BUILD_DIR [LINES] [RUNS]: the text command against its peers, side by side.

Three whole processes write LINES lines (default 1,200,000) to /dev/null, alternating, RUNS
times each (default 7):

  command   zeziru-ridaz-text --seed 1 --lines LINES, over the build's phrase set
  faker-js  @faker-js/faker's company.buzzPhrase(), seeded, the lines written in 64 KiB blocks
  cat       cat of the command's own output from a file in the page cache: the cost of the bytes

and prints the medians of wall time, lines per second and the two goals: at least 10 times
faker-js's lines per second, and within 5 times the time of cat. Then the command's peak
resident memory at LINES and at ten times as many.

faker-js is installed with npm into a temporary folder that is removed at the end; nothing is
installed anywhere else. Needs npm, node 20.19 or later (faker-js 10 requires it) and the
network for the one npm install.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

FAKER = "@faker-js/faker@10.6.0"

FAKER_SCRIPT = r"""
import { writeSync } from "node:fs";
import { faker } from "@faker-js/faker";
const lines = Number(process.argv[2]);
faker.seed(1);
let block = "";
for (let i = 0; i < lines; ++i) {
  block += faker.company.buzzPhrase() + "\n";
  if (block.length >= 65536) {
    writeSync(1, block);
    block = "";
  }
}
writeSync(1, block);
"""


def peak_rss_kib(pid):
    """The process's own VmHWM; ru_maxrss would count the parent's pages up to the exec."""
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def run(argv, cwd, stdout=None, watch_memory=False):
    """(wall s, cpu s, peak RSS KiB) of one run, its output in /dev/null unless stdout is given."""
    with open(os.devnull, "wb") as sink:
        start = time.perf_counter()
        proc = subprocess.Popen(argv, cwd=cwd, stdout=stdout or sink)
        peak = 0
        if watch_memory:
            while True:
                peak = max(peak, peak_rss_kib(proc.pid))
                # Reaped only once it has ended, so that its /proc entry stays readable until then.
                pid, status, usage = os.wait4(proc.pid, os.WNOHANG)
                if pid:
                    break
                time.sleep(0.002)
        else:
            _, status, usage = os.wait4(proc.pid, 0)
        wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{argv[0]} failed with status {status}")
    return wall, usage.ru_utime + usage.ru_stime, peak


def count_lines(path):
    with open(path, "rb") as f:
        return sum(block.count(b"\n") for block in iter(lambda: f.read(1 << 20), b""))


def main():
    build = os.path.abspath(sys.argv[1])
    lines = int(sys.argv[2]) if len(sys.argv) > 2 else 1_200_000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    phrases = os.path.join(build, "phrases")
    command = [os.path.join(build, "zeziru-ridaz-text"), "--seed", "1", "--lines", str(lines)]

    with tempfile.TemporaryDirectory(prefix="zr-peers-") as tmp:
        subprocess.run(["npm", "install", "--prefix", tmp, "--no-save", "--no-audit", "--no-fund",
                        "--loglevel=error", FAKER], check=True, stdout=subprocess.DEVNULL)
        script = os.path.join(tmp, "buzz.mjs")
        with open(script, "w") as f:
            f.write(FAKER_SCRIPT)
        faker = [shutil.which("node") or "node", script, str(lines)]

        # The bytes cat copies: the command's own output, read once so that it is in the page cache.
        output = os.path.join(tmp, "command.txt")
        with open(output, "wb") as f:
            run(command, phrases, stdout=f)
        with open(os.path.join(tmp, "faker.txt"), "wb") as f:
            run(faker, tmp, stdout=f)
        for path in (output, os.path.join(tmp, "faker.txt")):
            if count_lines(path) != lines:
                sys.exit(f"{path} does not hold {lines} lines")
        cat = ["cat", output]
        size_mb = os.path.getsize(output) / 1e6
        faker_mb = os.path.getsize(os.path.join(tmp, "faker.txt")) / 1e6

        processes = {"command": (command, phrases), "faker-js": (faker, tmp), "cat": (cat, tmp)}
        results = {name: [] for name in processes}
        load_start = os.getloadavg()[0]
        for _ in range(runs):
            for name, (argv, cwd) in processes.items():
                results[name].append(run(argv, cwd))
        load_end = os.getloadavg()[0]

        print(f"{lines:,} lines to /dev/null, median of {runs} alternating runs, load average "
              f"{load_start:.2f} at the start and {load_end:.2f} at the end")
        print(f"command output {size_mb:.1f} MB (cat copies the same bytes), faker-js {faker_mb:.1f} MB")
        print()
        print("| process | wall (s) | CPU (s) | lines/s (wall) | runs, wall (s) |")
        print("| --- | ---: | ---: | ---: | --- |")
        med = {}
        for name, rs in results.items():
            wall = statistics.median(r[0] for r in rs)
            cpu = statistics.median(r[1] for r in rs)
            med[name] = wall
            every = ", ".join(f"{r[0]:.3f}" for r in rs)
            print(f"| {name} | {wall:.3f} | {cpu:.3f} | {lines / wall:,.0f} | {every} |")
        print()
        against_faker = med["faker-js"] / med["command"]
        against_cat = med["command"] / med["cat"]
        print(f"command against faker-js: {against_faker:.1f}x the lines per second (goal: at least "
              f"10x) {'met' if against_faker >= 10 else 'NOT met'}")
        print(f"command against cat: {against_cat:.2f}x the time (goal: within 5x) "
              f"{'met' if against_cat <= 5 else 'NOT met'}")

        # A run must last some milliseconds for the sampling to see its peak.
        small = run(command, phrases, watch_memory=True)
        large = run(command[:-1] + [str(lines * 10)], phrases, watch_memory=True)
        print(f"command peak RSS (VmHWM): {small[2] / 1024:.2f} MiB at {lines:,} lines, "
              f"{large[2] / 1024:.2f} MiB at {lines * 10:,}")


if __name__ == "__main__":
    main()
