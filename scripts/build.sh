#!/usr/bin/env bash
# Configures and builds one preset (dev unless named): scripts/build.sh [dev|asan|tsan]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-dev}"
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
