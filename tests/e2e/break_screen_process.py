#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""break_screen_process.py QUORVANTEL

The break screen is drawn by a process of its own (quorvantel-breakscreen) that Quorvantel
starts for the break and ends with it. First a whole timed break: its windows belong to that
process, which is gone within 2 s of the release, and none runs while Quorvantel idles. Then
the process is killed, crashed and stopped in the middle of breaks: each time Quorvantel covers
the screens itself within 3 s, the break ends on time and is recorded, and Quorvantel runs on.
"""

import os
import signal
import subprocess
import sys
import time

from e2e_session import WARM_SETTINGS, Session, children_named, fail, has_ended

SCREEN = "quorvantel-breakscreen"
BREAK_TITLE = "Quorvantel Break"
HONOR_SECONDS = 12


def window_owners():
    """The processes that show a break window, as the windows tell the X server."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{BREAK_TITLE}$"],
                           capture_output=True, text=True)
    owners = set()
    for window in found.stdout.split():
        prop = subprocess.run(["xprop", "-id", window, "_NET_WM_PID"], capture_output=True,
                              text=True).stdout
        if "=" in prop:
            owners.add(int(prop.split("=")[1]))
    return owners


def screen_of(session):
    live = [pid for pid in children_named(session.app.pid, SCREEN) if not has_ended(pid)]
    return live[0] if live else None


def released(session, breaks):
    """The break is recorded and over: the success screen that follows it has gone too."""
    return session.breaks("timedBreaks") == breaks and session.released()


def start_break(session):
    screen = session.start_break("break screen process", lambda: screen_of(session), 30)
    session.wait_for("its break windows", lambda: screen in window_owners(), 30)
    return screen


def whole_break(session):
    if screen_of(session):
        fail("a break screen process runs before any break")
    start_break(session)
    session.wait_for("released break", lambda: released(session, 1), HONOR_SECONDS + 30)
    ended = time.monotonic()
    session.wait_for("the break screen process's end", lambda: not screen_of(session), 2)
    print(f"break screen gone {time.monotonic() - ended:.1f} s after the release", flush=True)
    if window_owners():
        fail(f"break windows stay after the release: {window_owners()}")


def failing_break(session, sig, done_before):
    screen = start_break(session)
    began = time.monotonic()
    os.kill(screen, sig)
    session.wait_for(f"quorvantel's own break windows after {sig.name}",
                     lambda: session.app.pid in window_owners(), 3)
    print(f"{sig.name}: covered again {time.monotonic() - began:.1f} s later", flush=True)
    session.wait_for(f"the {sig.name} process gone", lambda: has_ended(screen), 3)
    session.wait_for("released break", lambda: released(session, done_before + 1),
                     HONOR_SECONDS + 30)
    session.wait_for("no break window", lambda: not window_owners(), 3)


def main():
    settings = dict(WARM_SETTINGS, **{"settings.honorDurationSeconds": str(HONOR_SECONDS)})
    with Session.temporary(sys.argv[1], settings) as session:
        session.launch([])
        session.wait_until_running()
        whole_break(session)
        for done, sig in enumerate([signal.SIGKILL, signal.SIGSEGV, signal.SIGSTOP], 1):
            failing_break(session, sig, done)
        if session.app.poll() is not None:
            fail("quorvantel ended with its break screen process")
    print("passed", flush=True)


if __name__ == "__main__":
    main()
