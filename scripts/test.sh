#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: unit and
# integration tests offscreen, and the end-to-end test of the real program
# under its own X server.
#
#   scripts/test.sh [preset]      preset: default (the default), debug or asan
set -euo pipefail

preset="${1:-default}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Warnings are errors here, as in CI.
"$root/scripts/build.sh" "$preset" -DPWGEN_WARNINGS_AS_ERRORS=ON
cd "$root"
ctest --preset "$preset" -j "$(nproc)"
