#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""camera_helper_break.py QUORVANTEL TESTDATA_DIR

The camera of a break lives in a helper process (quorvantel-camera) that Quorvantel starts for
the break. The helper is killed in the middle of a break: the break goes on as the timed break,
is recorded as such, and the statistics file stays whole. Then Quorvantel itself is killed in
the middle of a break: its helper ends too.
"""

import os
import signal
import sys
import time

from e2e_session import WARM_SETTINGS, Session, children_named, clip_or_skip, fail, has_ended

HELPER = "quorvantel-camera"
HONOR_SECONDS = 10


def helpers_of(pid):
    """The live camera helpers started by the process pid (zombies included: unreaped)."""
    return children_named(pid, HELPER)


def start_break(session):
    return session.start_break("camera helper", lambda: helpers_of(session.app.pid), 60)[0]


def main():
    binary, testdata = sys.argv[1], sys.argv[2]
    clip = clip_or_skip(testdata)
    settings = dict(WARM_SETTINGS, **{"settings.honorDurationSeconds": str(HONOR_SECONDS)})
    with Session.temporary(binary, settings) as session:
        session.launch(["--camera-video", clip])
        session.wait_until_running()
        helper = start_break(session)
        # Mid-run: the helper has started the camera and the pose engine.
        time.sleep(3)
        os.kill(helper, signal.SIGKILL)
        killed = time.monotonic()
        session.wait_for("the killed helper reaped", lambda: not helpers_of(session.app.pid), 2)
        session.wait_for("released timed break", session.released, HONOR_SECONDS + 60)
        print(f"timed break released {time.monotonic() - killed:.1f} s after the kill",
              flush=True)
        days = list(session.stats().values())
        if len(days) != 1 or days[0].get("timedBreaks") != 1 or days[0].get("verifiedBreaks"):
            fail(f"one timed break expected after the helper died: {days}; output:\n"
                 f"{session.output()}")
        if session.app.poll() is not None:
            fail("quorvantel ended with its camera helper")

        helper = start_break(session)
        os.kill(session.app.pid, signal.SIGKILL)
        session.app.wait()
        session.app = None
        session.wait_for("the helper's end with the killed quorvantel",
                         lambda: has_ended(helper), 2)
    print("passed", flush=True)


if __name__ == "__main__":
    main()
