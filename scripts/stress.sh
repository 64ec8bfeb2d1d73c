#!/usr/bin/env bash
# Builds the stress test and runs it outside ctest with many more random user
# actions than the suite does, then reports the peak resident memory (VmHWM)
# after 10,000 actions and at the end.
#
#   scripts/stress.sh [actions [test flags...]]    actions default 100000;
#                                                   e.g. --seed=N to repeat a run
#
# STRESS_BUILD_DIR overrides the build directory (default build/default, made
# with the default preset).
set -euo pipefail

actions="${1:-100000}"
shift || true
if ! [[ "$actions" =~ ^[0-9]+$ ]] || [[ "$actions" -eq 0 ]]; then
    echo "usage: $0 [actions [test flags...]]" >&2
    exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${STRESS_BUILD_DIR:-$root/build/default}"

cd "$root"
scripts/install-deps.sh
cmake --preset default -B "$build" >/dev/null
cmake --build "$build" --target stress_test >/dev/null

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
QT_QPA_PLATFORM=offscreen "$build/tests/stress_test" --actions="$actions" "$@" 2>&1 | tee "$log" || status=$?

# The test prints "after N actions: VmRSS R KiB, VmHWM H KiB" at checkpoints.
peak_after() { sed -n "s/^after $1 actions: .*VmHWM \([0-9]*\) KiB.*/\1/p" "$log"; }
echo
for checkpoint in $(printf '%s\n' 10000 "$actions" | sort -nu); do
    peak="$(peak_after "$checkpoint")"
    [[ -n "$peak" ]] && awk -v n="$checkpoint" -v k="$peak" 'BEGIN { printf "peak memory after %d actions: %.1f MiB\n", n, k / 1024 }'
done
exit "$status"
