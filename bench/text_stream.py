#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

"""text_stream.py BUILD_DIR [TEXTS] [RUNS]: the text command as a whole process.

Runs `zeziru-ridaz-text --seed 1 --texts TEXTS` into /dev/null and the floor process
(zr_io_floor_process: the same opens and reads, the records written out, nothing else)
alternately, RUNS times each, and prints the medians: wall and CPU time, texts per second,
the command against the floor, and peak resident memory. Then the memory of a run a hundred
times shorter, to show that memory does not grow with the amount, and the time to the first
byte of a million texts through a pipe.
"""
import os
import statistics
import subprocess
import sys
import time


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


def run(argv, cwd):
    """(wall s, cpu s, peak RSS KiB) of one run with its output in /dev/null."""
    with open(os.devnull, "wb") as sink:
        start = time.perf_counter()
        proc = subprocess.Popen(argv, cwd=cwd, stdout=sink)
        peak = 0
        while True:
            peak = max(peak, peak_rss_kib(proc.pid))
            # Reaped only once it has ended, so that its /proc entry stays readable until then.
            pid, status, usage = os.wait4(proc.pid, os.WNOHANG)
            if pid:
                break
            time.sleep(0.005)
        wall = time.perf_counter() - start
    proc.returncode = status
    if status != 0:
        sys.exit(f"{argv[0]} failed with status {status}")
    return wall, usage.ru_utime + usage.ru_stime, peak


def first_byte(argv, cwd):
    """Seconds from start to the first byte through a pipe; the reader then leaves."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, cwd=cwd, stdout=subprocess.PIPE)
    proc.stdout.read(1)
    elapsed = time.perf_counter() - start
    proc.stdout.close()
    proc.wait()
    return elapsed


def main():
    build = os.path.abspath(sys.argv[1])
    texts = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    phrases = os.path.join(build, "phrases")
    command = [os.path.join(build, "zeziru-ridaz-text"), "--seed", "1", "--texts", str(texts)]
    floor = [os.path.join(build, "bench", "zr_io_floor_process"), phrases, str(texts)]

    results = {"command": [], "floor": []}
    for _ in range(runs):
        results["command"].append(run(command, phrases))
        results["floor"].append(run(floor, phrases))
    med = {name: [statistics.median(r[i] for r in rs) for i in range(3)]
           for name, rs in results.items()}
    print(f"{texts} texts, median of {runs} alternating runs, load average "
          f"{os.getloadavg()[0]:.2f} at the end")
    print()
    print("| process | wall (s) | CPU (s) | texts/s (wall) | peak RSS (MiB) |")
    print("| --- | ---: | ---: | ---: | ---: |")
    for name in ("command", "floor"):
        wall, cpu, rss = med[name]
        print(f"| {name} | {wall:.2f} | {cpu:.2f} | {texts / wall:,.0f} | {rss / 1024:.2f} |")
    print()
    print(f"command against floor: {med['command'][0] / med['floor'][0]:.2f}x wall, "
          f"{med['command'][1] / med['floor'][1]:.2f}x CPU (goal: within 2x)")

    short = run(command[:-1] + [str(max(texts // 100, 1))], phrases)
    print(f"peak RSS at {max(texts // 100, 1)} texts: {short[2] / 1024:.2f} MiB, "
          f"at {texts}: {med['command'][2] / 1024:.2f} MiB")
    million = command[:-1] + ["1000000"]
    waits = sorted(first_byte(million, phrases) for _ in range(runs))
    print(f"first byte of --texts 1000000 through a pipe: median {statistics.median(waits) * 1000:.1f} ms")


if __name__ == "__main__":
    main()
