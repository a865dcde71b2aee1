#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the program beside a bare Qt Widgets main window of the same size.

    xvfb-run -a -s "-screen 0 1280x1024x24" python3 bench/startup_figures.py \
        [--program [NAME=]build/dev/bin/corvane ...] [--bare build/dev/bin/bench_bare_window] \
        [--runs 15]

Runs them in turn (so that a change of load on the machine falls on all) on one screen,
and times each from the start of the process to the lines "main window shown" (after show())
and "main window painted" (after the first frame) on its standard error. Then, after an idle
second, reads the process's resident memory (idle) and its high-water mark (peak), and kills
it. Prints the median, the least and the largest of each, and each program's ratio to the bare
window. --program may be given more than once (say before=... and after=... builds) to measure
several builds side by side in one run. Every program run gets the same private TMPDIR, so that its single-instance segment
shares nothing with other copies of the program; the segments the killed runs leave are
removed at the end (only those that a process of this script created).
"""

import argparse
import os
import selectors
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time


def status_kb(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def one_run(command, env, idle):
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    marks = {}
    buffer = b""
    selector = selectors.DefaultSelector()
    selector.register(process.stderr, selectors.EVENT_READ)
    deadline = start + 30
    try:
        while "main window painted" not in marks:
            if time.monotonic() > deadline or process.poll() is not None:
                raise RuntimeError(f"{command[0]}: no first frame; log: {buffer!r}")
            for _ in selector.select(0.5):
                chunk = os.read(process.stderr.fileno(), 65536)
                now = time.monotonic()
                buffer += chunk
                for mark in ("main window shown", "main window painted"):
                    if mark not in marks and mark.encode() in buffer:
                        marks[mark] = now - start
        time.sleep(idle)
        idle_kb = status_kb(process.pid, "VmRSS")
        peak_kb = status_kb(process.pid, "VmHWM")
    finally:
        selector.close()
        process.kill()
        process.wait()
        process.stderr.close()
    return marks["main window shown"], marks["main window painted"], peak_kb, idle_kb, process.pid


def segments_of(pids):
    """The shared-memory segments that one of `pids` created (ipcs -m -p: shmid owner cpid)."""
    out = subprocess.run(["ipcs", "-m", "-p"], capture_output=True, text=True).stdout
    found = []
    for line in out.splitlines():
        fields = line.split()
        if len(fields) >= 3 and fields[0].isdigit() and fields[2].isdigit():
            if int(fields[2]) in pids:
                found.append(fields[0])
    return found


def summary(values, unit, scale=1.0, digits=3):
    values = [v * scale for v in values]
    return (f"{statistics.median(values):.{digits}f} {unit} "
            f"({min(values):.{digits}f} to {max(values):.{digits}f})")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", action="append",
                        help="[NAME=]PATH, repeatable (default build/dev/bin/corvane)")
    parser.add_argument("--bare", default="build/dev/bin/bench_bare_window")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--idle", type=float, default=1.0, help="seconds before memory is read")
    parser.add_argument("args", nargs="*", help="arguments for the program (a plan to open)")
    options = parser.parse_args()

    given = options.program or ["build/dev/bin/corvane"]
    programs = []
    for number, program in enumerate(given, 1):
        name, _, path = program.partition("=")
        if not path or "/" in name:
            name, path = ("program" if len(given) == 1 else f"program{number}"), program
        programs.append((name, path))
    commands = [(name, [path] + options.args) for name, path in programs]
    commands.append(("bare", [options.bare]))

    private = tempfile.mkdtemp(prefix="corvane-startup-")
    env = dict(os.environ, TMPDIR=private)
    pids = set()
    figures = {name: [] for name, _ in commands}
    try:
        for _ in range(options.runs):
            for name, command in commands:
                *marks, pid = one_run(command, env, options.idle)
                pids.add(pid)
                figures[name].append(marks)
    finally:
        for shmid in segments_of(pids):
            subprocess.run(["ipcrm", "-m", shmid], check=False)
        shutil.rmtree(private, ignore_errors=True)

    width = max(len(name) for name in figures)
    print(f"{options.runs} runs each; median (least to largest)")
    for name in figures:
        shown, painted, peak, idle = zip(*figures[name])
        print(f"{name:{width}} shown {summary(shown, 's')}  painted {summary(painted, 's')}  "
              f"peak {summary(peak, 'MB', 1 / 1024, 1)}  idle {summary(idle, 'MB', 1 / 1024, 1)}")
    for name, _ in programs:
        ratio = [statistics.median(column_a) / statistics.median(column_b)
                 for column_a, column_b in zip(zip(*figures[name]), zip(*figures["bare"]))]
        print(f"{name:{width}} / bare: shown {ratio[0]:.2f}  painted {ratio[1]:.2f}  "
              f"peak {ratio[2]:.2f}  idle {ratio[3]:.2f}")
    return 0


if __name__ == "__main__":
    signal.signal(signal.SIGINT, signal.SIG_DFL)
    sys.exit(main())
