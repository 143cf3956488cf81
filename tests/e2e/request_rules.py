#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""request_rules.py QUORVANTEL

The built executable's requests, as a user's shell and scripts meet them: a request that acts
exits 0; one that cannot act now says why on standard error and exits with its own status;
with nothing running only a start and --settings start Quorvantel. Also: help, version and
requests without a display, and a settings file deleted while Quorvantel runs comes back
whole. Which request may act when is the coordination's rule, checked by its own unit suite.
"""

import os
import subprocess
import sys

from e2e_session import WARM_SETTINGS, Session, fail

DONE, NOT_RUNNING, USAGE, NOT_NOW, LIMIT = 0, 1, 2, 3, 4
NO_DISPLAY = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")


def run(session, args, env=None, timeout=30):
    done = subprocess.run([session.binary] + list(args), env=env or session.env,
                          capture_output=True, text=True, timeout=timeout)
    return done.returncode, done.stdout.strip(), done.stderr.strip()


def expect(session, args, code, says=None, env=None):
    got, out, err = run(session, args, env)
    if got != code:
        fail(f"quorvantel {' '.join(args)}: exit {got}, not {code}; out {out!r} err {err!r}")
    if code not in (DONE, USAGE) and not err:
        fail(f"quorvantel {' '.join(args)}: exit {got} without a sentence on standard error")
    if says and says not in (out + err):
        fail(f"quorvantel {' '.join(args)}: {says!r} not in {out!r} / {err!r}")
    return out


def without_display(session):
    env = {k: v for k, v in session.env.items() if k not in NO_DISPLAY}
    expect(session, ["--help"], DONE, "--start-break-now", env)
    expect(session, ["--version"], DONE, "Quorvantel", env)
    expect(session, ["--status"], NOT_RUNNING, "not running", env)
    expect(session, ["--pause", "90"], NOT_RUNNING, "not running", env)
    expect(session, [], NOT_RUNNING, "no display", env)


def nothing_running(session):
    for args in (["--start-break-now"], ["--snooze"], ["--pause", "90"],
                 ["--pause-until-tomorrow"], ["--resume"], ["--status"]):
        expect(session, args, NOT_RUNNING, "not running")
    if session.status() is not None:
        fail("a request with nothing running started Quorvantel")


def running(session):
    session.write_settings(WARM_SETTINGS)
    session.launch([])
    session.wait_until_running()
    expect(session, ["--resume"], NOT_NOW, "not paused")
    before = session.status()
    expect(session, ["--pause", "90", "--camera-video", "clip.mp4"], USAGE)
    if session.status() != before:
        fail(f"a refused command line changed the status: {before!r} -> {session.status()!r}")
    expect(session, ["--camera-video", "clip.mp4"], NOT_NOW, "already running")

    os.remove(session.settings_path)
    expect(session, ["--pause", "90"], DONE)
    kept = session.settings()
    for key, value in WARM_SETTINGS.items():
        if kept.get(key) != value:
            fail(f"after the file was deleted, {key} came back as {kept.get(key)!r}, not {value}")

    expect(session, ["--resume"], DONE)
    expect(session, ["--start-break-now"], DONE)


def main():
    binary = sys.argv[1]
    for step in (without_display, nothing_running, running):
        with Session.temporary(binary) as session:
            step(session)
    print("PASS", flush=True)


if __name__ == "__main__":
    main()
