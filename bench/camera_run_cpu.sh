#!/usr/bin/env bash
# The processor share of one core that a whole real-time camera run takes, on the two kinds
# of 720p30 stream a webcam sends, MJPEG and raw YUYV, and on the 640×480 YUYV at 15 frames a
# second that the camera is asked for where it offers it. The files are made here with
# ffmpeg from a real clip and deleted afterwards.
#
#   bench/camera_run_cpu.sh [COUNT_BINARY] [RUNS]
#
# COUNT_BINARY defaults to build/dev/tools/count/quorvantel-count; RUNS (default 3) runs of
# each file are made and the median share is printed with each run's count and analysed
# frames, which must not differ between the builds compared. Run it with `chrt -f 5` where allowed: the machine is shared.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-$here/build/dev/tools/count/quorvantel-count}
runs=${2:-3}
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

for kind in mjpeg yuyv yuyv480p15; do
    shares=()
    for _ in $(seq "$runs"); do
        # The child's user and system time over the wall time of the run.
        /usr/bin/time -f '%U %S %e' -o "$work/time" \
            "$count" "$work/$kind.avi" --exercise squat --real-time >"$work/out"
        read -r user sys wall <"$work/time"
        share=$(echo "($user + $sys) * 100 / $wall" | bc -l)
        shares+=("$share")
        # The analysed frames show that both runs did the same work.
        printf '%-10s run: %5.1f %% of one core (%.2f s CPU in %.2f s), %s, %s\n' "$kind" "$share" \
            "$(echo "$user + $sys" | bc -l)" "$wall" "$(head -1 "$work/out")" \
            "$(grep 'analysed frames' "$work/out")"
    done
    median=$(printf '%s\n' "${shares[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    printf '%-10s median: %.1f %% of one core\n' "$kind" "$median"
done
