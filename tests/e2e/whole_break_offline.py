#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""whole_break_offline.py QUORVANTEL TESTDATA_DIR

A whole break as a user meets it, with the built application under strace: a real squat clip
is the camera, a second launch asks for the break, the squats are counted, the break lets go.
Then the statistics hold exactly one verified break, the process wrote no file but the settings
file and the statistics file (and their temporary siblings), and it opened no network socket.

The user's machine is warm: Quorvantel has run a break on it before. So a first traced run does
the same whole break on fresh folders; its writes are printed, and besides the two files the
only ones allowed there are what system libraries keep per user once (listed below, each with
its reason). Its statistics are then removed, and the second run may write nothing but the
two files. The first run's break may end timed rather than counted: its camera waits for
GStreamer's first plugin scan, which under strace on a loaded machine can outlast the camera's
ten-second start-up allowance.
"""

import os
import re
import signal
import subprocess
import sys
import time

from e2e_session import WARM_SETTINGS, Session, clip_or_skip, fail
from strace_log import TRACED_CALLS, Trace

BREAK_TIMEOUT = 150  # the clip lasts 18 s; a loaded machine decodes and counts far slower


def allowed_writes(session):
    config = re.escape(session.config_dir)
    data = re.escape(session.data_dir)
    # QSaveFile writes beside the file under a random six-character suffix and renames it over
    # the file; QSettings guards its file with a lock file beside it.
    return [re.compile(p) for p in [
        rf"^{config}$",
        rf"^{config}/Quorvantel\.ini(\.lock|\.[A-Za-z0-9]{{6}})?$",
        rf"^{data}$",
        rf"^{data}/stats\.json(\.[A-Za-z0-9]{{6}})?$",
    ]]


def cold_start_caches(session):
    cache = re.escape(session.env["XDG_CACHE_HOME"])
    config = re.escape(session.env["XDG_CONFIG_HOME"])
    return [re.compile(p) for p in [
        # GStreamer scans its plugins once per user and keeps the result as a registry file
        # (gst-plugin-scanner writes it), so the camera's first start on a machine is slower.
        rf"^{cache}(/gstreamer-1\.0(/registry\.[\w-]+\.bin(\.tmp\w+)?)?)?$",
        # The sound system's client library makes the user's authentication cookie when it
        # first connects and finds none; every desktop with sound already has one.
        rf"^{config}(/pulse(/cookie(\.tmp\w*)?)?)?$",
    ]]


def traced_run(session, trace_path, args, during):
    """Runs the application under strace -f, calls during(), then quits it with SIGTERM."""
    tracer = session.launch(args, prefix=["strace", "-f", "-q", "-y", "-s", "4096", "-o",
                                          trace_path, "-e", "trace=" + TRACED_CALLS])
    session.wait_until_running()
    during()
    app_pid = app_process(tracer.pid)
    os.kill(app_pid, signal.SIGTERM)
    try:
        tracer.wait(timeout=60)
    except subprocess.TimeoutExpired:
        fail("quorvantel did not quit within 60 s of SIGTERM")
    trace = Trace(trace_path, session.root)
    if trace.exit_codes.get(str(app_pid)) != 0:
        fail(f"quorvantel ended with {trace.exit_codes.get(str(app_pid))} instead of exit code "
             f"0 on SIGTERM; its output:\n{session.output()}")
    return trace


def app_process(tracer_pid):
    with open(f"/proc/{tracer_pid}/task/{tracer_pid}/children") as file:
        children = file.read().split()
    if len(children) != 1:
        fail(f"strace has children {children}, expected the one quorvantel")
    return int(children[0])


def unexpected(trace, patterns):
    return [(call, path, text) for call, path, text in trace.writes
            if not any(p.match(path) for p in patterns)]


def report(title, writes):
    """One line per path and call, with how often."""
    print(title, flush=True)
    counts = {}
    for call, path, _ in writes:
        counts[(path, call)] = counts.get((path, call), 0) + 1
    for (path, call), count in sorted(counts.items()):
        print(f"  {path}  {call} x{count}", flush=True)


def whole_break(session, started):
    """Asks the running instance for a break and waits until the counted squats release it."""
    def during():
        code, text = session.command("--start-break-now")
        if code != 0:
            fail(f"--start-break-now failed: {text}")
        session.wait_for("break screen", lambda: session.status() in (
            "Break due", "Break in progress"), 60)
        print(f"break shown at {time.monotonic() - started:.1f} s", flush=True)
        session.wait_for("released break", session.released, BREAK_TIMEOUT)
        print(f"break released at {time.monotonic() - started:.1f} s", flush=True)
    return during


def check_one_verified_break(session):
    stats = session.stats()
    print("statistics:", stats, flush=True)
    days = list(stats.values())
    if len(days) != 1 or days[0].get("verifiedBreaks") != 1 or any(
            days[0].get(k, 0) for k in ("timedBreaks", "skippedBreaks", "awayBreaks")):
        fail(f"the statistics should hold exactly one verified break: {stats}; "
             f"the application's output:\n{session.output()}")
    if days[0].get("squats", 0) < 5:
        fail(f"the verified break counts fewer than the 5 squats asked for: {stats}")


def main():
    binary, testdata = sys.argv[1], sys.argv[2]
    clip = clip_or_skip(testdata)
    started = time.monotonic()
    with Session.temporary(binary, WARM_SETTINGS) as session:
        args = ["--camera-video", clip]

        # The first run on this machine, break included, so that every library the break uses
        # has made its caches; then the statistics go, so the second run's break stands alone.
        cold = traced_run(session, os.path.join(session.root, "cold.trace"), args,
                          whole_break(session, started))
        print("first run's statistics:", session.stats(), flush=True)
        report("Writes of the first run on this machine:", cold.writes)
        stray = unexpected(cold, allowed_writes(session) + cold_start_caches(session))
        if stray:
            report("FAIL: the first run wrote outside the settings, the statistics and the "
                   "system libraries' caches:", stray)
            sys.exit(1)
        os.remove(session.stats_path)

        warm = traced_run(session, os.path.join(session.root, "warm.trace"), args,
                          whole_break(session, started))
        check_one_verified_break(session)
        report("Writes of the second run:", warm.writes)
        stray = unexpected(warm, allowed_writes(session))
        if stray:
            report("FAIL: files written besides the settings and the statistics:", stray)
            sys.exit(1)

        # Local sockets only: the X server, the session bus and the sound server (AF_UNIX), and
        # the kernel's device events that GStreamer's camera plugins watch for hot-plugging.
        sockets = cold.sockets + warm.sockets
        network = cold.network_sockets() + warm.network_sockets()
        other = [text for family, text in sockets if family != "AF_UNIX" and not (
            family == "AF_NETLINK" and "NETLINK_KOBJECT_UEVENT" in text)]
        if network:
            fail("network sockets were asked for:\n  " + "\n  ".join(network))
        if other:
            fail("sockets other than local ones were asked for:\n  " + "\n  ".join(other))
        print("socket families opened:", sorted({family for family, _ in sockets}), flush=True)
        print(f"passed in {time.monotonic() - started:.1f} s", flush=True)


if __name__ == "__main__":
    main()
