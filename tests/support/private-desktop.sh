#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# private-desktop.sh COMMAND [ARGS...]
# Runs COMMAND inside a desktop session of its own: an X server (Xvfb, one 1920x1080 screen),
# a window manager (openbox), a session bus and a sound server (PulseAudio with a null sink
# and a null source), all private to this run and gone when it ends. Nothing of the
# machine's own desktop is touched, so GUI tests pass on a machine with none.
set -euo pipefail

session=$(mktemp -d "${TMPDIR:-/tmp}/qv-desktop.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$session"
}
trap cleanup EXIT

wait_for() { # wait_for SECONDS COMMAND...: retries COMMAND every 50 ms until it succeeds
    local tries=$(($1 * 20))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

mkdir -m 700 "$session/runtime"
export XDG_RUNTIME_DIR="$session/runtime"

# The X server picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 "${QV_DESKTOP_SCREEN:-1920x1080x24}" -nolisten tcp -noreset \
    3>"$session/display" 2>"$session/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$session/display" || { cat "$session/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$session/display")"

dbus-daemon --session --nofork --nopidfile --address="unix:path=$session/bus" \
    2>"$session/dbus.log" &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$session/bus"
wait_for 10 test -S "$session/bus"

openbox --sm-disable >"$session/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

if command -v pulseaudio >/dev/null; then
    mkdir -p "$session/pulse"
    HOME="$session/pulse" XDG_CONFIG_HOME="$session/pulse" \
    PULSE_RUNTIME_PATH="$session/pulse/runtime" PULSE_STATE_PATH="$session/pulse/state" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
        -L "module-native-protocol-unix socket=$session/pulse/native auth-anonymous=1" \
        -L "module-null-sink sink_name=qv_speakers" \
        -L "module-null-source source_name=qv_microphone" \
        >"$session/pulse.log" 2>&1 &
    pids+=($!)
    export PULSE_SERVER="unix:$session/pulse/native"
    wait_for 15 pactl info || echo "private-desktop: no sound server" >&2
fi

export QT_QPA_PLATFORM=xcb
export QV_PRIVATE_DESKTOP="$session"
"$@"
