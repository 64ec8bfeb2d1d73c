#!/usr/bin/env bash
# End-to-end test of the real program, one scenario a run: the program runs
# under Xvfb with a small window manager (openbox), is driven with xdotool
# like a person would drive it, and is observed from outside: the clipboard
# through xclip, the window through xprop and screenshots, stderr and the
# exit status.
#
#   run_e2e.sh <path-to-password-generator> <artifacts-dir> <scenario>
#
# Each scenario is a file scenarios/<scenario>.sh: its first line says what
# it checks, uses_display says where it runs, and the function scenario runs
# it on a fresh program. uses_display is
#   shared  the X server that shared_display.sh started and recorded in
#           <artifacts-dir>/display.env (ctest starts it once for all the
#           scenarios and runs them one at a time: they share its pointer,
#           keyboard focus and clipboard); without one, a private server
#   own     a private X server, which the scenario may end
#   none    no X server at all
# The scenario's stderr files and screenshots, and fail.png when it fails,
# go to <artifacts-dir>/<scenario>/.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [[ $# -ne 3 || ! -f "$here/scenarios/$3.sh" ]]; then
    echo "usage: $0 <path-to-password-generator> <artifacts-dir> <scenario>" >&2
    echo "scenarios: $(cd "$here/scenarios" && ls -- *.sh | sed 's/\.sh$//' | tr '\n' ' ')" >&2
    exit 2
fi
exe="$(realpath "$1")"
mkdir -p "$2"
shared_artifacts="$(cd "$2" && pwd)"
name="$3"
artifacts="$shared_artifacts/$name"
rm -rf "$artifacts"

for tool in Xvfb openbox xdotool xclip xprop xwininfo wmctrl import convert timeout ss; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing tool: $tool (scripts/install-deps.sh installs it)" >&2
        exit 2
    fi
done

export LC_ALL=C
scratch="$(mktemp -d)"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$artifacts" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_LOGGING_RULES QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS DISPLAY
export QT_QPA_PLATFORM=xcb

# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=/dev/null
source "$here/scenarios/$name.sh"

# Ends what this run started, by id: never the shared X server. A stopped
# X server is let go on, so that it can take its signal.
cleanup() {
    local pid
    for pid in "$app_pid" "${xclip_pids[@]}" "$wm_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            kill -CONT "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

# Sets DISPLAY to the shared X server, if one is recorded and still runs.
use_shared_display() {
    local record="$shared_artifacts/display.env" comm=""
    [[ -f "$record" ]] || return 1
    read_display_record "$record"
    [[ -n "$shared_display" && -n "$shared_xvfb_pid" ]] && read -r comm 2>/dev/null <"/proc/$shared_xvfb_pid/comm"
    [[ "$comm" == Xvfb ]] || return 1
    export DISPLAY="$shared_display"
}

read -r description <"$here/scenarios/$name.sh"
description="${description#\# }"
: >"$scratch/failure"
case "$uses_display" in
shared) use_shared_display || start_private_display ;;
own) start_private_display ;;
none) ;;
*) fail "uses_display is '$uses_display': shared, own or none" ;;
esac
[[ -n "${DISPLAY:-}" ]] && echo "display $DISPLAY, artifacts in $artifacts"

if [[ ! -s "$scratch/failure" ]] && scenario && [[ ! -s "$scratch/failure" ]]; then
    echo "PASS: $description"
    exit 0
fi
echo "FAIL: $description"
sed 's/^/  /' "$scratch/failure"
[[ -s "$scratch/failure" ]] || echo "  a step failed"
if [[ -n "${DISPLAY:-}" ]]; then
    import -window root "$artifacts/fail.png" 2>/dev/null || true
fi
exit 1
