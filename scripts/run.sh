#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the current
# display.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Warnings are reported, not fatal: a newer compiler may warn of new things.
"$root/scripts/build.sh" default -DPWGEN_WARNINGS_AS_ERRORS=OFF
exec "$root/build/default/src/password-generator"
