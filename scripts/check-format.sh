#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what .clang-format makes of it,
# and names the files. `clang-format -i FILE` mends one.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/install-deps.sh"

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "formatting: every tracked C++ file matches .clang-format"
