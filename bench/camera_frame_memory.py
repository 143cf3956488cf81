#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""camera_frame_memory.py QUORVANTEL TESTDATA_DIR

The peak memory (VmHWM) of a whole camera break whose camera is a video, for a 1080p camera
and for videos far larger than any camera delivers (8000 × 8000 as motion JPEG and as
H.264), all made here with ffmpeg from a real clip. Run it inside
tests/support/private-desktop.sh:

    tests/support/private-desktop.sh python3 bench/camera_frame_memory.py \\
        build/dev/src/app/quorvantel ../shared/testdata

An oversized camera is refused and the break is timed, so its peak stays within a few tens of
MB of the 1080p run's instead of reaching gigabytes.
"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_session import camera_break, clip_or_skip  # noqa: E402

VIDEOS = [
    ("1080p H.264", "1080p.mp4", ["-vf", "scale=1920:1080", "-c:v", "libx264", "-preset",
                                  "veryfast"]),
    ("8000x8000 motion JPEG", "huge-mjpeg.avi", ["-vf", "scale=8000:8000", "-c:v", "mjpeg",
                                                 "-q:v", "8"]),
    ("8000x8000 H.264", "huge-h264.mkv", ["-vf", "scale=8000:8000", "-c:v", "libx264",
                                          "-preset", "ultrafast"]),
]


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(binary, video):
    with camera_break(binary, video) as session:
        time.sleep(10)
        return peak_kib(session.app.pid), session.status()


def main():
    binary, testdata = sys.argv[1], sys.argv[2]
    clip = clip_or_skip(testdata)
    with tempfile.TemporaryDirectory() as work:
        for label, name, options in VIDEOS:
            path = os.path.join(work, name)
            subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-i", clip, "-t", "4", "-an"]
                           + options + [path], check=True)
            kib, status = measure(binary, path)
            print(f"{label}: peak {kib / 1024:.0f} MB ({status})", flush=True)


if __name__ == "__main__":
    main()
