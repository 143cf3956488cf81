#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_package.sh BUILD_DIR: installs into a temporary prefix, validates the desktop entry
# and the AppStream metadata, builds the Debian package and checks its contents and
# dependencies. Prints one line per failed check and exits non-zero if any failed.
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=com.tamsorek.Quorvantel
extension=quorvantel-break@tamsorek.com

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install failed"; exit 1; }
for file in bin/quorvantel share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/22x22/apps/$id.png \
            share/icons/hicolor/256x256/apps/$id.png share/quorvantel/models/movenet-multipose.json \
            share/quorvantel/models/movenet-multipose.bin share/quorvantel/models/LICENSE \
            share/gnome-shell/extensions/$extension/extension.js \
            share/gnome-shell/extensions/$extension/metadata.json; do
    [ -s "$work/usr/$file" ] || fail "the installation lacks $file"
done
desktop-file-validate "$work/usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "AppStream metadata invalid"; }
file "$work/usr/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' ||
    fail "the 48 px icon is not 48 x 48"

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack failed"; exit 1; }
deb=$(ls "$work"/package/quorvantel_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || { fail "no quorvantel_*.deb was built"; exit 1; }
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/quorvantel ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml ./usr/share/quorvantel/models/movenet-multipose.bin \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/gnome-shell/extensions/$extension/extension.js; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
# Found by dpkg-shlibdeps from the linked libraries, and named for what is loaded at run time.
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6quick6 libqt6dbus6 libxnnpack0 libyuv0 \
               libpulse0 qml6-module-qtquick-controls \
               qt6-qpa-plugins gstreamer1.0-plugins-good; do
    grep -q "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = quorvantel ] || fail "the package is not named quorvantel"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package $(basename "$deb"): all checks passed"
