#!/usr/bin/env bash
# Start-up and peak memory of the program against the same window built on
# bare Qt Widgets (bench/bare_window.cpp), under a private Xvfb with no window
# manager. Each run is timed from the exec to the X server's MapNotify of the
# window, which one xev listening on the root window reports as it happens
# (polling with xdotool would cost about 35 ms a look); the program shows its
# first password in the first turn of its event loop, right after. Peak
# memory is the maximum resident set size that /usr/bin/time -v reports, read
# after the window has settled. The two programs run in turn, after one
# unmeasured run of each; the table gives medians and ratios.
#
#   scripts/bench-startup.sh [runs]      runs of each program (default 10)
#
# BENCH_BUILD_DIR overrides the build directory (default build/default, made
# with the default preset).
set -euo pipefail

runs="${1:-10}"
if ! [[ "$runs" =~ ^[0-9]+$ ]] || [[ "$runs" -eq 0 ]]; then
    echo "usage: $0 [runs]" >&2
    exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BENCH_BUILD_DIR:-$root/build/default}"
readonly TITLE='Password Generator' SETTLE=0.5

cd "$root"
scripts/install-deps.sh
cmake --preset default -B "$build" >/dev/null
cmake --build "$build" --target password-generator bare_window >/dev/null
programs=("$build/src/password-generator" "$build/bench/bare_window")

scratch="$(mktemp -d)"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_LOGGING_RULES QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export QT_QPA_PLATFORM=xcb LC_ALL=C

xvfb_pid="" xev_pid="" timer_pid=""
# Ends what the script started, by id: a measured program (the child of
# /usr/bin/time) first, the X server last.
cleanup() {
    [[ -n "$timer_pid" ]] && pkill -TERM -P "$timer_pid" 2>/dev/null
    local pids
    read -ra pids <<<"$timer_pid $xev_pid $xvfb_pid"
    if ((${#pids[@]})); then
        kill "${pids[@]}" 2>/dev/null
        wait "${pids[@]}" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# shellcheck source=lib/xvfb.sh
source "$root/scripts/lib/xvfb.sh"

# The root window's structure and property events, on descriptor 3.
listen_for_maps() {
    exec 3< <(exec stdbuf -oL xev -root -event substructure -event property)
    xev_pid=$!
    # Listening once it reports a change of a root property.
    local line tries
    for ((tries = 0; tries < 50; tries++)); do
        xprop -root -f _BENCH_STARTUP 8s -set _BENCH_STARTUP ready
        while read -r -t 0.2 line <&3; do
            [[ "$line" == PropertyNotify* ]] && return 0
        done
    done
    echo "xev did not start listening" >&2
    return 1
}

# Reads the listener until a window is mapped; prints its id.
next_mapped_window() {
    local line
    while read -r line <&3; do
        if [[ "$line" == MapNotify* ]]; then
            read -r line <&3
            sed -n 's/.* window \(0x[0-9a-f]*\),.*/\1/p' <<<"$line"
            return 0
        fi
    done
    return 1
}

# Runs $1 once; appends its start-up in ms to $scratch/<name>.ms and its peak
# memory in KiB to $scratch/<name>.kib, unless $2 is "warm-up".
measure() {
    local exe="$1" name start end win pid
    name="$(basename "$exe")"
    start=$EPOCHREALTIME
    /usr/bin/time -v -o "$scratch/time.txt" "$exe" >/dev/null 2>"$scratch/$name.stderr" &
    timer_pid=$!
    win="$(next_mapped_window)"
    end=$EPOCHREALTIME
    if [[ "$(xdotool getwindowname "$win" 2>/dev/null)" != "$TITLE" ]]; then
        echo "$name: the first window mapped is not titled '$TITLE'; its stderr:" >&2
        cat "$scratch/$name.stderr" >&2
        return 1
    fi
    sleep "$SETTLE"
    pid="$(xdotool getwindowpid "$win")"
    kill -TERM "$pid"
    wait "$timer_pid" || true
    timer_pid=""
    [[ "${2:-}" == warm-up ]] && return 0
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) * 1000 }' >>"$scratch/$name.ms"
    sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$scratch/time.txt" >>"$scratch/$name.kib"
}

# The median of the numbers in file $1, then the least and the greatest.
summary() {
    sort -n "$1" | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}

start_xvfb "$scratch/xvfb.log"
listen_for_maps
for exe in "${programs[@]}"; do
    measure "$exe" warm-up
done
for ((run = 0; run < runs; run++)); do
    for exe in "${programs[@]}"; do
        measure "$exe"
    done
done

read -r program_ms program_ms_min program_ms_max < <(summary "$scratch/password-generator.ms")
read -r bare_ms bare_ms_min bare_ms_max < <(summary "$scratch/bare_window.ms")
read -r program_kib program_kib_min program_kib_max < <(summary "$scratch/password-generator.kib")
read -r bare_kib bare_kib_min bare_kib_max < <(summary "$scratch/bare_window.kib")

echo "start-up to the mapped window and peak memory, median of $runs runs each (min-max), Xvfb $DISPLAY, $(nproc) cores"
printf '%-20s %28s %28s\n' "" "start-up (ms)" "peak RSS (MiB)"
row() {
    awk -v n="$1" -v t="$2" -v t0="$3" -v t1="$4" -v k="$5" -v k0="$6" -v k1="$7" 'BEGIN {
        printf "%-20s %10.1f (%6.1f-%6.1f) %10.1f (%6.1f-%6.1f)\n", n, t, t0, t1, k / 1024, k0 / 1024, k1 / 1024 }'
}
row password-generator "$program_ms" "$program_ms_min" "$program_ms_max" "$program_kib" "$program_kib_min" \
    "$program_kib_max"
row bare_window "$bare_ms" "$bare_ms_min" "$bare_ms_max" "$bare_kib" "$bare_kib_min" "$bare_kib_max"
awk -v t="$program_ms" -v tb="$bare_ms" -v k="$program_kib" -v kb="$bare_kib" 'BEGIN {
    rt = t / tb; rk = k / kb
    printf "%-20s %10.2f %17s %10.2f\n", "ratio", rt, "", rk
    printf "goals: start-up within 1.2x: %s; peak memory within 1.2x: %s\n",
        rt <= 1.2 ? "met" : "MISSED", rk <= 1.2 ? "met" : "MISSED" }'
