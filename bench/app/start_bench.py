#!/usr/bin/env python3
"""Process start to main window painted, and peak RSS: the program's main window against a bare
window with the same widgets, same platform plugin, alternating in one run.

Usage: start_bench.py PATH/TO/app_start_driver [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def one_start(driver, side):
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    start = time.monotonic_ns()
    proc = subprocess.Popen([driver, side], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, env=env)
    out = proc.stdout.read().split()
    _, status, usage = os.wait4(proc.pid, 0)
    if status != 0 or len(out) != 2:
        sys.exit(f"{side} run failed (status {status})")
    painted_ms = (int(out[0]) - start) / 1e6
    return painted_ms, usage.ru_maxrss / 1024


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    driver = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    one_start(driver, "bare")  # warm the file cache
    one_start(driver, "app")
    results = {"bare": [], "app": []}
    for _ in range(runs):
        for side in ("bare", "app"):
            results[side].append(one_start(driver, side))

    def median(side, i):
        return statistics.median(r[i] for r in results[side])

    print(f"{'side':6} {'painted ms (median)':>20} {'peak RSS MiB (median)':>22}")
    for side in ("bare", "app"):
        print(f"{side:6} {median(side, 0):20.1f} {median(side, 1):22.1f}")
    time_ratio = median("app", 0) / median("bare", 0)
    rss_ratio = median("app", 1) / median("bare", 1)
    print(f"ratio  {time_ratio:20.2f} {rss_ratio:22.2f}   (targets <= 1.30)")


if __name__ == "__main__":
    main()
