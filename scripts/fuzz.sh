#!/usr/bin/env bash
# Builds the property-setter fuzz target with the "fuzz" preset (clang,
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs it.
#
#   scripts/fuzz.sh [seconds]      run for that long (default 60)
#
# FUZZ_BUILD_DIR overrides the build directory (default build/fuzz). The
# corpus and any crash inputs stay under it.
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -eq 0 ]]; then
    echo "usage: $0 [seconds]" >&2
    exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"

cd "$root"
cmake --preset fuzz -B "$build"
cmake --build "$build" --target property_setter_fuzz

corpus="$build/corpus/property_setter"
artifacts="$build/artifacts/"
mkdir -p "$corpus" "$artifacts"

# Seeds: well-formed records of the fuzzed classes, so that the run starts
# from items the reader accepts.
printf 'Width \x00\x00\x02\x58' >"$corpus/seed-int32"
printf 'Visible \x01TabStop \x00' >"$corpus/seed-boolean"
printf 'BackColor \xff\xff\xff' >"$corpus/seed-color"
# Three different bytes, so that a colour read in the wrong order shows.
printf 'BackColor \x01\x02\x03' >"$corpus/seed-color-order"
printf 'Name \x00\x00\x00\x08GenerateTab \x80\x00\x00\x00' >"$corpus/seed-string"
printf 'Name \x00\x00\x00\x00Visible \x01' >"$corpus/seed-empty-string"
printf 'Caption \x00\x00\x00\x08Use CAPSValue \x01State \x00\x00\x00\x01' >"$corpus/seed-check-box"
printf 'Minimum \x00\x00\x00\x08Maximum \x00\x00\x00\xc8Value \x00\x00\x00\x20' >"$corpus/seed-slider"
# A control whose far edge lies past the int range.
printf 'Left \x7f\xff\xff\xffWidth \x7f\xff\xff\xff' >"$corpus/seed-far-edge"
# A window at the largest minimum width a record can give.
printf 'Title \x00\x00\x00\x03BigMinWidth \x7f\xff\xff\xff' >"$corpus/seed-window"
# And records holding a value that its property refuses: they must change nothing.
printf 'Caption \x00\x00\x00\x08Use CAPSState \x00\x00\x00\x07' >"$corpus/seed-refused-state"
printf 'Visible \x00Choice \x00\x00\x00\x09' >"$corpus/seed-refused-choice"
printf 'Title \x00\x00\x00\x03BigHeight \xff\xff\xff\xff' >"$corpus/seed-refused-window-size"

# Font caches that fontconfig keeps for the process are not the code's leaks.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec "$build/fuzz/property_setter_fuzz" -max_total_time="$seconds" -artifact_prefix="$artifacts" "$corpus"
