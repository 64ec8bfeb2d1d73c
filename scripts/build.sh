#!/usr/bin/env bash
# Installs what is missing and builds one preset (default: "default").
#
#   scripts/build.sh [preset] [cmake cache options...]
#
# Cache options (-DNAME=VALUE) go to the configure step and stay in the build
# directory's cache until changed.
set -euo pipefail

preset="${1:-default}"
shift $(($# > 0 ? 1 : 0))
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
