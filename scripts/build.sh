#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one preset (dev unless named): scripts/build.sh [dev|asan|tsan]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-dev}"
cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
