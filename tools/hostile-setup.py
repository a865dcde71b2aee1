# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the real program beside hostile Setup.xml files and reports, for each, how long
the main window took to appear and the peak memory (/usr/bin/time -v).

    python3 tools/hostile-setup.py build/dev/bin/corvane [--only NAME ...]

The program and its translations are copied into a scratch folder, so the build tree never
gets a Setup.xml. Every file is generated there and removed afterwards; the largest is
200 MB. The program uses a machine-wide single-instance key: run this under the same lock
as the tests (flock /tmp/corvane-ctest.lock python3 ...).
"""

import argparse
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = 240  # seconds to wait for the main window


def entity_file(uses):
    return (b'<?xml version="1.0"?>\n<!DOCTYPE Configs [<!ENTITY e "' + b"x" * 4000 +
            b'">]>\n<Configs><Translator><Value>' + b"&e;" * uses +
            b"</Value></Translator></Configs>\n")


def nested_parameter_entities():
    # Each parameter entity holds ten of the one before it, expanded inside the declaration.
    decls = b'<!ENTITY % p0 "' + b"x" * 100 + b'">\n'
    for i in range(1, 8):
        decls += b"<!ENTITY %% p%d \"%s\">\n" % (i, (b"%%p%d;" % (i - 1)) * 10)
    return (b"<!DOCTYPE Configs [\n" + decls + b'<!ENTITY e "%p7;">\n]>\n'
            b"<Configs><Translator><Value>&e;</Value></Translator></Configs>\n")


def write_empty_elements(path, total_bytes):
    with open(path, "wb") as f:
        f.write(b"<Configs>")
        chunk = b"<a/>" * (1 << 18)
        written = 9
        while written + len(chunk) < total_bytes:
            f.write(chunk)
            written += len(chunk)
        f.write(b"</Configs>\n")


CASES = [
    ("no Setup.xml", None),
    ("normal Setup.xml (Chinese)", lambda p: open(p, "wb").write(
        b"<Configs><Translator><Value>1</Value></Translator>"
        b"<VersionType><Value>1</Value></VersionType></Configs>\n")),
    ("entity 4000 chars x 100000 uses (300 KB)", lambda p: open(p, "wb").write(
        entity_file(100000))),
    ("entity 4000 chars x 340000 uses (1 MB)", lambda p: open(p, "wb").write(
        entity_file(340000))),
    ("entity 4000 chars x 600000 uses (1.8 MB)", lambda p: open(p, "wb").write(
        entity_file(600000))),
    ("nested parameter entities (10^7 x 100 chars)", lambda p: open(p, "wb").write(
        nested_parameter_entities())),
    ("empty elements, 1 MB", lambda p: write_empty_elements(p, 1 << 20)),
    ("empty elements, 200 MB", lambda p: write_empty_elements(p, 200 * 1000 * 1000)),
    ("named pipe (30 s allowed)", lambda p: os.mkfifo(p)),
]


def children(pid):
    try:
        with open(f"/proc/{pid}/task/{pid}/children") as f:
            return [int(c) for c in f.read().split()]
    except OSError:
        return []


def run(program, screens, timeout):
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = f"offscreen:configfile={screens}/screen-1280x1024.json"
    env["QT_LOGGING_RULES"] = "corvane.*=true"
    start = time.monotonic()
    proc = subprocess.Popen(["/usr/bin/time", "-v", program], env=env,
                            stderr=subprocess.PIPE, stdout=subprocess.DEVNULL)
    log = b""
    shown = None
    exited = False
    refused = False
    while time.monotonic() - start < timeout:
        ready, _, _ = select.select([proc.stderr], [], [], 0.2)
        if ready:
            data = os.read(proc.stderr.fileno(), 65536)
            if not data:
                break
            log += data
            if b"main window shown" in log:
                shown = time.monotonic() - start
                break
            if b"refused: already running" in log:
                refused = True
                break
        if proc.poll() is not None:
            exited = True
            break
    for child in children(proc.pid):
        os.kill(child, signal.SIGKILL)
    _, rest = proc.communicate(timeout=60)
    log += rest
    if refused:
        sys.exit("another instance of the program is running: measure under the lock")
    rss = re.search(rb"Maximum resident set size \(kbytes\): (\d+)", log)
    status = re.search(rb"(Command terminated by signal \d+|Command exited with non-zero status \d+)",
                       log)
    aborted = b"bad_alloc" in log or b"terminate called" in log
    return shown, int(rss.group(1)) // 1024 if rss else None, aborted, exited, status, log


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--log", action="store_true", help="print the program's standard error")
    args = parser.parse_args()
    here = os.path.dirname(os.path.abspath(__file__))
    screens = os.path.join(here, "..", "tests", "screens")
    source_dir = os.path.dirname(os.path.abspath(args.program))

    scratch = tempfile.mkdtemp(prefix="corvane-hostile-")
    try:
        program = os.path.join(scratch, "corvane")
        shutil.copy2(args.program, program)
        shutil.copytree(os.path.join(source_dir, "translations"),
                        os.path.join(scratch, "translations"))
        setup = os.path.join(scratch, "Setup.xml")
        print(f"{'Setup.xml':48} {'window after':>14} {'peak MB':>8}  result")
        for name, make in CASES:
            if args.only and not any(o in name for o in args.only):
                continue
            if make:
                make(setup)
            timeout = 30 if "pipe" in name else TIMEOUT
            shown, rss, aborted, exited, status, log = run(program, screens, timeout)
            if make:
                os.remove(setup)
            if shown is not None:
                when, result = f"{shown:.2f} s", "window shown"
            elif exited:
                when = "none"
                result = "aborted: std::bad_alloc" if aborted else (
                    status.group(1).decode() if status else "exited")
            else:
                when, result = f"none in {timeout} s", "no window (killed)"
            print(f"{name:48} {when:>14} {rss if rss is not None else '-':>8}  {result}",
                  flush=True)
            if args.log:
                sys.stdout.write(log.decode(errors="replace"))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
