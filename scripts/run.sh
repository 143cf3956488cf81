#!/usr/bin/env bash
# Sets up, builds and starts Quorvantel.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" dev
exec "$root/build/dev/src/app/quorvantel" "$@"
