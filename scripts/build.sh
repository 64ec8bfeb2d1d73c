#!/usr/bin/env bash
# Installs what is missing and builds one preset (default: "default").
#
#   scripts/build.sh [preset]
set -euo pipefail

preset="${1:-default}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
