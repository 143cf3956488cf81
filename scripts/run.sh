#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Quorvantel in the desktop this is run from.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Asked first, so nobody waits for a build to learn it could not have started.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: Quorvantel needs a desktop to live in, and neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
bash "$root/scripts/setup.sh"
cd "$root"
cmake --preset dev >/dev/null
cmake --build --preset dev --target quorvantel
exec "$root/build/dev/src/app/quorvantel" "$@"
