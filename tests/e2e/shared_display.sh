#!/usr/bin/env bash
# Starts or ends the X server, with a window manager, that the end-to-end
# scenarios share (ctest runs start as the setup of their fixture and stop
# as its cleanup).
#
#   shared_display.sh start|stop <artifacts-dir>
#
# start records DISPLAY and the two process ids in <artifacts-dir>/display.env
# and leaves the processes running; stop ends those two, after checking that
# the ids still name them. A start first ends the display that an earlier
# start recorded: under `ctest --repeat` the setup runs once per repeat and
# the cleanup's later runs find nothing left to end.
set -euo pipefail

if [[ $# -ne 2 || ( "$1" != start && "$1" != stop ) ]]; then
    echo "usage: $0 start|stop <artifacts-dir>" >&2
    exit 2
fi
mkdir -p "$2/display"
artifacts="$(realpath "$2")/display"
record="$(dirname "$artifacts")/display.env"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Ends process $1 if it is still the program named $2, and waits for it.
end_process() {
    [[ -n "$1" && "$(cat "/proc/$1/comm" 2>/dev/null)" == "$2" ]] || return 0
    kill "$1"
    wait_for "$2 ($1) to end" process_gone "$1"
}
# Gone, or a zombie: the process that reaps orphans may take its time.
process_gone() {
    local stat
    stat="$(cat "/proc/$1/stat" 2>/dev/null)" || return 0
    [[ "${stat##*) }" == Z* ]]
}

# Ends the recorded display, if any, and forgets it.
end_recorded_display() {
    [[ -f "$record" ]] || return 0
    read_display_record "$record"
    end_process "$shared_wm_pid" openbox
    end_process "$shared_xvfb_pid" Xvfb
    rm -f "$record"
}

if [[ "$1" == start ]]; then
    end_recorded_display
    if ! start_private_display; then
        cat "$scratch/failure" >&2
        end_process "$wm_pid" openbox
        end_process "$xvfb_pid" Xvfb
        exit 1
    fi
    printf 'DISPLAY=%s\nxvfb_pid=%s\nwm_pid=%s\n' "$DISPLAY" "$xvfb_pid" "$wm_pid" >"$record.new"
    mv "$record.new" "$record"
    echo "shared display $DISPLAY (Xvfb $xvfb_pid, openbox $wm_pid)"
else
    end_recorded_display
fi
