#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The processor share of one core that a whole real-time camera run takes, on the two kinds
# of 720p30 stream a webcam sends, MJPEG and raw YUYV, and on the 640×480 YUYV at 15 frames a
# second that the camera is asked for where it offers it. The files are made here with
# ffmpeg from a real clip and deleted afterwards.
#
#   bench/camera_run_cpu.sh [RUNS] [SETUP ...]
#
# A SETUP is a count binary with any options of its own, as one word: "BINARY --input-size
# 160" (default: build/dev/tools/count/quorvantel-count). RUNS (default 3) rounds are made;
# each round runs every file under every setup in turn, so that setups compared are measured
# side by side while the load of a shared machine changes. Each run prints its count and
# analysed frames; the median share per file and setup comes last, also without the threads
# that read and demultiplex the file (bench/thread_cpu.py), which stand in for the camera and
# cost every build the same. Run it with `chrt -f 5` where allowed: the machine is shared.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
shift || true
setups=("$@")
[ ${#setups[@]} -gt 0 ] || setups=("$here/build/dev/tools/count/quorvantel-count")
testdata=${QV_TESTDATA_DIR:-$here/../../shared/testdata}
clip=$testdata/real/squat-side-3.mp4
[ -f "$clip" ] || { echo "clip not found: $clip" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scale="scale=1280:720:flags=bicubic,fps=30"
ffmpeg -loglevel error -i "$clip" -vf "$scale" -an -c:v mjpeg -pix_fmt yuvj422p -q:v 4 \
    "$work/mjpeg.avi"
ffmpeg -loglevel error -i "$clip" -vf "$scale" -an -c:v rawvideo -pix_fmt yuyv422 \
    "$work/yuyv.avi"

# What the camera is asked for where it offers it: 640×480 YUYV at 15 frames a second.
ffmpeg -loglevel error -i "$clip" -vf "crop=ih*4/3:ih,scale=640:480,fps=15" -an -c:v rawvideo \
    -pix_fmt yuyv422 "$work/yuyv480p15.avi"

kinds=(mjpeg yuyv yuyv480p15)
for _ in $(seq "$runs"); do
    for kind in "${kinds[@]}"; do
        for s in "${!setups[@]}"; do
            read -r -a command <<<"${setups[$s]}"
            # The child's user and system time over the wall time of the run; apart, the same
            # without the threads that read the file, which a camera does not need.
            python3 "$here/bench/thread_cpu.py" "$work/time" \
                "${command[@]}" "$work/$kind.avi" --exercise squat --real-time >"$work/out"
            read -r user sys wall reading <"$work/time"
            share=$(echo "($user + $sys) * 100 / $wall" | bc -l)
            own=$(echo "($user + $sys - $reading) * 100 / $wall" | bc -l)
            echo "$share" >>"$work/shares-$kind-$s"
            echo "$own" >>"$work/own-$kind-$s"
            # The analysed frames show what work each setup did.
            format='%-10s setup %d: %5.1f %% of one core (%.2f s CPU in %.2f s; %4.1f %% without '
            format+='reading the file), %s, %s\n'
            # shellcheck disable=SC2059 # the format is the one above
            printf "$format" "$kind" "$((s + 1))" "$share" "$(echo "$user + $sys" | bc -l)" \
                "$wall" "$own" "$(head -1 "$work/out")" "$(grep 'analysed frames' "$work/out")"
        done
    done
done
median() { sort -g "$1" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for kind in "${kinds[@]}"; do
    for s in "${!setups[@]}"; do
        printf '%-10s median: %5.1f %% of one core, %4.1f %% without reading the file ' "$kind" \
            "$(median "$work/shares-$kind-$s")" "$(median "$work/own-$kind-$s")"
        printf '(setup %d: %s)\n' "$((s + 1))" "${setups[$s]}"
    done
done
