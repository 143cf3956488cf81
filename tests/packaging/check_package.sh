#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_package.sh TESTDATA_DIR: checks the installed Debian packages (quorvantel and
# quorvantel-tools) as a user meets them, then purges them. Run as root on a system where they
# were installed with apt (scripts/fresh-machine.sh does, in a clean Debian 12):
#   - the application starts from its desktop entry's command on a private desktop, answers
#     --status from a second launch, and runs a timed break to its end;
#   - quorvantel-count counts a real clip with the installed model;
#   - purging both leaves no file of theirs behind.
# Prints one line per failed check and exits non-zero if any failed.
set -uo pipefail
testdata=$1
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work=$(mktemp -d)
app_pid=
cleanup() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=com.tamsorek.Quorvantel
packages=(quorvantel quorvantel-tools)

for package in "${packages[@]}"; do
    [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] ||
        { fail "$package is not installed"; exit 1; }
done
dpkg-query -W -f='${Depends}\n' quorvantel | grep -q qt6-wayland ||
    fail "quorvantel does not depend on Qt's Wayland plugin"
installed_files=$(dpkg -L "${packages[@]}")

# A user who finished the welcome and has no camera: the break is a timed one of ten seconds.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Quorvantel" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
cat >"$XDG_CONFIG_HOME/Quorvantel/Quorvantel.ini" <<'EOF'
[General]
settings.hasCompletedOnboarding=true
settings.cameraVerificationEnabled=false
settings.honorDurationSeconds=10
settings.activeHoursEnabled=false
settings.smartPauseEnabled=false
EOF
command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")
[ -n "$command" ] || fail "the desktop entry has no Exec line"

# Within the private desktop: prints what it saw, one line per failed step.
cat >"$work/session.sh" <<'EOF'
set -u
wait_for() { # wait_for SECONDS TEXT COMMAND...: until COMMAND succeeds, or says TEXT failed
    local seconds=$1 what=$2
    shift 2
    for ((tenth = 0; tenth < seconds * 10; tenth++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "FAIL: no $what within $seconds s"
    return 1
}
status_is() { quorvantel --status | grep -q "^$1"; }
timed_break_counted() { grep -Eq '"timedBreaks": *1[,}]' "$XDG_DATA_HOME/Quorvantel/stats.json"; }
$1 >"$2" 2>&1 &
app=$!
wait_for 60 "answer to --status" quorvantel --status || exit 1
echo "status: $(quorvantel --status)"
quorvantel --start-break-now || echo "FAIL: --start-break-now was refused"
wait_for 30 "break" status_is Break
wait_for 90 "end of the timed break" status_is Next &&
    wait_for 10 "timed break in the statistics" timed_break_counted
echo "after the break: $(quorvantel --status)"
kill -TERM $app
wait $app || echo "FAIL: quorvantel quit with status $? on SIGTERM"
EOF
session=$("$here/../support/private-desktop.sh" bash "$work/session.sh" "$command" "$work/app.log")
echo "$session"
if grep -q '^FAIL' <<<"$session"; then
    failures=$((failures + $(grep -c '^FAIL' <<<"$session")))
    echo "its output:"
    cat "$work/app.log"
fi

clip="$testdata/real/squat-front-home-6.mp4"
if [ -f "$clip" ]; then
    counted=$(quorvantel-count "$clip" --exercise squat 2>/dev/null | sed -n 's/^repetitions: //p')
    echo "quorvantel-count on $(basename "$clip"): ${counted:-nothing} (six true squats)"
    [ "${counted:-0}" -ge 5 ] || fail "quorvantel-count counted ${counted:-nothing}"
else
    fail "no clip at $clip"
fi
for tool in quorvantel-pose quorvantel-pose-record quorvantel-pose-replay; do
    "$tool" --help >/dev/null || fail "$tool --help failed"
    man -w "$tool" >/dev/null 2>&1 || [ -s "/usr/share/man/man1/$tool.1.gz" ] ||
        fail "$tool has no manual page"
done

DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${packages[@]}" >"$work/purge.log" 2>&1 ||
    { cat "$work/purge.log"; fail "apt-get purge failed"; }
left=$(while IFS= read -r path; do
    [ -f "$path" ] || [ -L "$path" ] && echo "$path"
done <<<"$installed_files")
[ -z "$left" ] || fail "files left after purge: $left"
[ ! -e /usr/share/quorvantel ] || fail "/usr/share/quorvantel is left after purge"
dpkg-query -W "${packages[@]}" >/dev/null 2>&1 && fail "dpkg still knows the packages after purge"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed packages: all checks passed"
