#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_install.sh BUILD_DIR: installs into a temporary prefix, as the Debian packages do,
# and validates what a desktop, a software centre and man read: the desktop entry, the
# AppStream metadata, the icons and the manual pages; and that the tools install apart from
# the application. Prints one line per failed check and exits non-zero if any failed.
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=com.tamsorek.Quorvantel

cmake --install "$build" --prefix "$work/usr" --component Unspecified >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install failed"; exit 1; }
tools=(quorvantel-count quorvantel-pose quorvantel-pose-record quorvantel-pose-replay)
for tool in "${tools[@]}"; do
    [ ! -e "$work/usr/bin/$tool" ] || fail "$tool is installed with the application, not as a tool"
done
cmake --install "$build" --prefix "$work/tools" --component tools >>"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install --component tools failed"; exit 1; }
for tool in "${tools[@]}"; do
    [ -x "$work/tools/bin/$tool" ] || fail "the tools lack $tool"
    [ -s "$work/tools/share/man/man1/$tool.1" ] || fail "$tool has no manual page"
done
for page in "$work"/usr/share/man/man1/*.1 "$work"/tools/share/man/man1/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
for file in bin/quorvantel libexec/quorvantel/quorvantel-camera libexec/quorvantel/quorvantel-breakscreen \
            share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/22x22/apps/$id.png \
            share/icons/hicolor/256x256/apps/$id.png share/quorvantel/models/movenet-multipose.json \
            share/quorvantel/models/movenet-multipose.bin share/quorvantel/models/LICENSE \
            share/quorvantel/models/movenet-lightning.json \
            share/quorvantel/models/movenet-lightning.bin share/man/man1/quorvantel.1 \
            share/gnome-shell/extensions/quorvantel-break@tamsorek.com/extension.js \
            share/gnome-shell/extensions/quorvantel-break@tamsorek.com/metadata.json; do
    [ -s "$work/usr/$file" ] || fail "the installation lacks $file"
done
desktop-file-validate "$work/usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "AppStream metadata invalid"; }
file "$work/usr/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' ||
    fail "the 48 px icon is not 48 x 48"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installation: all checks passed"
