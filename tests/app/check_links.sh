#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tray application waits all day: capture, the media framework and the pose engine belong
# to the camera helper process, and the application must not even link them, or the dynamic
# loader maps them into it at start.
set -euo pipefail
program=$1

needed=$(readelf -d --wide "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
if ! grep -q '^libQt6Core\.' <<<"$needed"; then
    echo "no libraries could be read from $program" >&2
    exit 1
fi
status=0
if forbidden=$(grep -E '^lib(Qt6Multimedia|gst|XNNPACK|pthreadpool|gomp)' <<<"$needed"); then
    echo "$program needs:" $forbidden >&2
    status=1
fi
symbols=$(readelf -Ws --wide "$program")
if grep -q 'MoveNetPoseDetector\|XnnTrunk' <<<"$symbols"; then
    echo "$program holds the pose engine" >&2
    status=1
fi
exit $status
