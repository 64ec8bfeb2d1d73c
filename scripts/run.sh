#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the current
# display.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh" default
exec "$root/build/default/src/password-generator"
