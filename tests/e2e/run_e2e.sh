#!/usr/bin/env bash
# End-to-end test of the real program: it runs under its own Xvfb server with
# a small window manager (openbox), is driven with xdotool like a person would
# drive it, and is observed from outside: the clipboard through xclip, the
# window through xprop, stderr and the exit status.
#
#   run_e2e.sh <path-to-password-generator> <artifacts-dir>
#
# The artifacts directory receives screenshots (window.png at start,
# after-button.png, one per failed scenario) and the stderr of every run.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 <path-to-password-generator> <artifacts-dir>" >&2
    exit 2
fi
exe="$(realpath "$1")"
artifacts="$2"
mkdir -p "$artifacts"
artifacts="$(realpath "$artifacts")"

for tool in Xvfb openbox xdotool xclip xprop wmctrl import timeout ss; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing tool: $tool (scripts/install-deps.sh installs it)" >&2
        exit 2
    fi
done

export LC_ALL=C
scratch="$(mktemp -d)"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME"
unset WAYLAND_DISPLAY QT_LOGGING_RULES QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export QT_QPA_PLATFORM=xcb

# Content-area geometry of the controls (x, y, w, h below the menu bar).
readonly CONTENT_W=600 CONTENT_H=209
readonly TEXT_AREA=(20 20 444 89)
readonly CAPS_BOX=(480 21 126 24) NUMBERS_BOX=(480 53 126 24) SYMBOLS_BOX=(480 85 126 24)
readonly SLIDER=(20 117 444 27)
readonly BUTTON=(20 149 560 47)

readonly ALL_CHARS_RE='^[a-zA-Z0-9!#$%&/()=?*+:;,.-]+$'
readonly SYMBOL_RE='[!#$%&/()=?*+:;,.-]'
readonly SETTLE=0.4

xvfb_pid="" wm_pid="" app_pid="" xclip_pids=()

cleanup() {
    local pid
    for pid in "$app_pid" "${xclip_pids[@]}" "$wm_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

# --- X server and window manager ------------------------------------------

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

start_window_manager() {
    openbox --sm-disable >"$artifacts/openbox.log" 2>&1 &
    wm_pid=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            return 0
        fi
        sleep 0.1
    done
    echo "the window manager did not come up" >&2
    return 1
}

# --- helpers -----------------------------------------------------------------

# The reason a scenario failed goes to a file, so that helpers run in a
# command substitution can report it too.
failure_file="$scratch/failure"
fail() {
    echo "$*" >>"$failure_file"
    return 1
}

clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null || true; }
clipboard_target() { timeout 5 xclip -selection clipboard -t "$1" -o 2>/dev/null || true; }
primary() { timeout 5 xclip -selection primary -o 2>/dev/null || true; }
primary_target() { timeout 5 xclip -selection primary -t "$1" -o 2>/dev/null || true; }

# Makes a helper process own the selection $1 (clipboard or primary) with
# the text $2, so that a change of owner shows.
own_selection() {
    xclip -quiet -selection "$1" -i <<<"$2" >/dev/null 2>&1 &
    xclip_pids+=($!)
    local tries
    for ((tries = 0; tries < 50; tries++)); do
        [[ "$(timeout 5 xclip -selection "$1" -o 2>/dev/null)" == "$2" ]] && return 0
        sleep 0.1
    done
    fail "could not put a text on the $1 selection with xclip"
}
set_clipboard() { own_selection clipboard "$1"; }

# Prints the clipboard once it differs from $1; fails after a timeout.
wait_clipboard_change() {
    local before="$1" now tries
    for ((tries = 0; tries < 50; tries++)); do
        now="$(clipboard)"
        if [[ "$now" != "$before" ]]; then
            printf '%s' "$now"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Starts the program in the background with the environment arguments of
# env ("${@:2}"); stderr goes to $artifacts/$1.stderr. Sets app_pid and
# app_stderr.
app_stderr=""
spawn_app() {
    app_stderr="$artifacts/$1.stderr"
    shift
    env "$@" "$exe" >/dev/null 2>"$app_stderr" &
    app_pid=$!
}

# Starts the program like spawn_app and waits for its window. Sets win (the
# program's top-level window).
win=""
start_app() {
    spawn_app "$@"
    local tries status=0
    for ((tries = 0; tries < 150; tries++)); do
        win="$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Password Generator$' 2>/dev/null |
            head -n 1)" || true
        [[ -n "$win" ]] && return 0
        if ! kill -0 "$app_pid" 2>/dev/null; then
            wait "$app_pid" || status=$?
            app_pid=""
            fail "exited with status $status before showing its window (see $app_stderr)"
            return 1
        fi
        sleep 0.1
    done
    fail "no visible window titled 'Password Generator' within 15 s"
}

# Waits up to 10 s for the program to end and sets app_status; fails if it
# is still running.
app_status=""
wait_app_end() {
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "still running 10 s after being asked to end"
        return 1
    fi
    app_status=0
    wait "$app_pid" || app_status=$?
    app_pid=""
}

# Waits up to 10 s for the program to end; fails unless its status is $1.
expect_exit_status() {
    wait_app_end || return 1
    [[ $app_status -eq $1 ]] || fail "exit status $app_status, expected $1 (see $app_stderr)"
}

expect_exit_zero() { expect_exit_status 0; }

# Offset of the content area inside the window: the menu bar sits above it.
offset_x=0 offset_y=0
measure_content_offset() {
    local width height WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
    [[ $width -eq $CONTENT_W ]] || fail "window is ${width} px wide, expected $CONTENT_W" || return 1
    ((height > CONTENT_H && height < CONTENT_H + 100)) ||
        fail "window is ${height} px high: no room for a menu bar above $CONTENT_H px of content" || return 1
    offset_x=0
    offset_y=$((height - CONTENT_H))
}

# Clicks at (x, y) of the content area.
click_at() {
    xdotool mousemove --window "$win" --sync "$((offset_x + $1))" "$((offset_y + $2))" click 1
    sleep "$SETTLE"
}
# Clicks the centre of a control given as (x y w h).
click_centre() { click_at "$(($1 + $3 / 2))" "$(($2 + $4 / 2))"; }
# Clicks the box of a check box, at its left end.
click_check_box() { click_at "$(($1 + 8))" "$(($2 + $4 / 2))"; }
key() {
    xdotool key --clearmodifiers "$@"
    sleep "$SETTLE"
}

# Clicks the button and prints the password it put on the clipboard.
press_button() {
    local before
    before="$(clipboard)"
    click_centre "${BUTTON[@]}"
    wait_clipboard_change "$before" || fail "the button put nothing new on the clipboard"
}

# Fails unless $1 is a password of length $2 whose characters are all in the
# class regex $3.
check_password() {
    local password="$1" length="$2" allowed="$3"
    [[ ${#password} -eq $length ]] || fail "expected $length characters, got ${#password}: '$password'" || return 1
    grep -Eq "$allowed" <<<"$password" || fail "unexpected characters in '$password'"
}

# Counts the strongly coloured pixels inside the text area, frame left out:
# the selection highlight is coloured, unselected text grey on white.
highlighted_pixels() {
    local x=$((offset_x + TEXT_AREA[0] + 4)) y=$((offset_y + TEXT_AREA[1] + 4))
    local w=$((TEXT_AREA[2] - 8)) h=$((TEXT_AREA[3] - 8))
    import -window "$win" -crop "${w}x${h}+${x}+${y}" +repage png:- |
        convert png:- -colorspace HSL -channel G -separate +channel -threshold 40% \
            -format '%[fx:round(mean*w*h)]' info:
}

# The text-area contents, copied through Select All and Copy.
copy_text_area() {
    click_centre "${TEXT_AREA[@]}"
    key ctrl+a
    key ctrl+c
    clipboard
}

# --- scenarios ----------------------------------------------------------------

passed=0 failed=0
scenario() {
    local name="$1"
    : >"$failure_file"
    if "$2" && [[ ! -s "$failure_file" ]]; then
        echo "PASS: $name"
        passed=$((passed + 1))
    else
        local reason
        reason="$(head -n 1 "$failure_file")"
        echo "FAIL: $name: ${reason:-a step failed}"
        failed=$((failed + 1))
        import -window root "$artifacts/fail-${2}.png" 2>/dev/null || true
    fi
}

app_running() {
    if [[ -z "$app_pid" ]] || ! kill -0 "$app_pid" 2>/dev/null; then
        fail "the program is not running"
    fi
}

start_password=""
test_start() {
    set_clipboard "clipboard-before-start" || return 1
    start_app main || return 1
    local title hints
    title="$(xprop -id "$win" _NET_WM_NAME)"
    [[ "$title" == '_NET_WM_NAME(UTF8_STRING) = "Password Generator"' ]] || fail "title property: $title" || return 1
    # Fixed size: the minimum and maximum size hints agree.
    hints="$(xprop -id "$win" WM_NORMAL_HINTS)"
    local min max
    min="$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")"
    max="$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")"
    [[ -n "$min" && "$min" == "$max" ]] || fail "window is resizable: $hints" || return 1
    measure_content_offset || return 1
    sleep "$SETTLE"
    import -window root "$artifacts/window.png" || fail "screenshot failed" || return 1
    local highlighted
    highlighted="$(highlighted_pixels)"
    ((highlighted < 50)) || fail "text area highlighted at start ($highlighted coloured pixels)" || return 1
    [[ "$(clipboard)" == "clipboard-before-start" ]] || fail "start changed the clipboard to '$(clipboard)'" || return 1
    start_password="$(copy_text_area)"
    check_password "$start_password" 32 "$ALL_CHARS_RE"
}

test_button() {
    app_running || return 1
    local password targets
    password="$(press_button)" || return 1
    import -window root "$artifacts/after-button.png" || true
    check_password "$password" 32 "$ALL_CHARS_RE" || return 1
    # The password is selected: a highlight about the size of 32 characters.
    local highlighted
    highlighted="$(highlighted_pixels)"
    ((highlighted > 1000)) || fail "password not selected ($highlighted highlighted pixels)" || return 1
    [[ "$password" != "$start_password" ]] || fail "the button did not make a new password" || return 1
    targets="$(timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null || true)"
    grep -qx 'x-kde-passwordManagerHint' <<<"$targets" || fail "no password-manager hint; targets: $targets" ||
        return 1
    [[ "$(clipboard_target x-kde-passwordManagerHint)" == secret ]] ||
        fail "hint is '$(clipboard_target x-kde-passwordManagerHint)', expected 'secret'" || return 1
    # The text area shows the password that was copied.
    local shown
    shown="$(copy_text_area)"
    [[ "$shown" == "$password" ]] || fail "text area shows '$shown', clipboard had '$password'"
}

test_boxes_off() {
    app_running || return 1
    local before password
    before="$(clipboard)"
    click_check_box "${CAPS_BOX[@]}"
    click_check_box "${NUMBERS_BOX[@]}"
    click_check_box "${SYMBOLS_BOX[@]}"
    [[ "$(clipboard)" == "$before" ]] || fail "a check box changed the clipboard" || return 1
    # The boxes already made the shown password lower case.
    password="$(copy_text_area)"
    check_password "$password" 32 '^[a-z]+$' || return 1
    password="$(press_button)" || return 1
    check_password "$password" 32 '^[a-z]+$'
}

test_slider() {
    app_running || return 1
    local before password
    # Boxes back on, so that the long password also shows every class.
    click_check_box "${CAPS_BOX[@]}"
    click_check_box "${NUMBERS_BOX[@]}"
    click_check_box "${SYMBOLS_BOX[@]}"
    before="$(clipboard)"
    click_centre "${SLIDER[@]}"
    key End
    [[ "$(clipboard)" == "$before" ]] || fail "moving the slider changed the clipboard" || return 1
    password="$(copy_text_area)"
    check_password "$password" 200 "$ALL_CHARS_RE" || return 1
    password="$(press_button)" || return 1
    check_password "$password" 200 "$ALL_CHARS_RE" || return 1
    # 200 characters from 79 miss a class with a chance below 1e-11.
    [[ $password == *[A-Z]* ]] || fail "no capital in '$password'" || return 1
    [[ $password == *[0-9]* ]] || fail "no digit in '$password'" || return 1
    grep -q "$SYMBOL_RE" <<<"$password" || fail "no symbol in '$password'" || return 1
    [[ $password == *[a-z]* ]] || fail "no lower-case letter in '$password'" || return 1
    click_centre "${SLIDER[@]}"
    key Home
    password="$(press_button)" || return 1
    check_password "$password" 8 "$ALL_CHARS_RE"
}

test_return_presses_button() {
    app_running || return 1
    local before password
    # Focus on the slider, at 8 characters: clicking its groove pages it.
    click_centre "${SLIDER[@]}"
    key Home
    before="$(clipboard)"
    xdotool key --clearmodifiers Return
    password="$(wait_clipboard_change "$before")" || fail "Return put nothing new on the clipboard" || return 1
    check_password "$password" 8 "$ALL_CHARS_RE"
}

test_quit_shortcut() {
    app_running || return 1
    click_centre "${TEXT_AREA[@]}"
    xdotool key --clearmodifiers ctrl+q
    expect_exit_zero || return 1
    ! grep -q picked "$app_stderr" || fail "debug log written without being switched on"
}

count_picked() { grep -Ec '^[0-9]+picked$' "$app_stderr" || true; }

# Waits until the debug log has $1 lines, then lets it settle and checks the
# count is exact.
expect_picked() {
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        (($(count_picked) >= $1)) && break
        sleep 0.1
    done
    sleep "$SETTLE"
    [[ $(count_picked) -eq $1 ]] || fail "expected $1 'picked' lines, found $(count_picked)"
}

test_debug_log() {
    start_app debuglog QT_LOGGING_RULES=framework.debuglog.debug=true || return 1
    measure_content_offset || return 1
    expect_picked 200 || return 1
    press_button >/dev/null || return 1
    expect_picked 400
}

test_close_window() {
    app_running || return 1
    wmctrl -i -c "$win" || fail "wmctrl could not ask the window to close" || return 1
    expect_exit_zero
}

# Runs the program to its end, for at most 10 s, in a directory of its own
# with the environment arguments of env ("${@:2}"); stderr goes to
# $artifacts/$1.stderr. Sets app_stderr and app_status; fails if it did not
# end by itself or died from a signal.
run_to_end() {
    local dir="$scratch/$1"
    app_stderr="$artifacts/$1.stderr"
    app_status=0
    shift
    mkdir -p "$dir"
    (
        cd "$dir"
        ulimit -c 0
        exec env "$@" timeout -k 2 10 "$exe"
    ) >/dev/null 2>"$app_stderr" || app_status=$?
    ((app_status != 124 && app_status != 137)) || fail "still running after 10 s" || return 1
    ((app_status < 128)) || fail "killed by signal $((app_status - 128))"
}

# Fails unless the program's stderr is one line that contains $1.
expect_one_line_with() {
    local lines
    lines="$(wc -l <"$app_stderr")"
    [[ $lines -eq 1 ]] || fail "expected one line on stderr, got $lines: $(head -c 500 "$app_stderr")" || return 1
    grep -qF -- "$1" "$app_stderr" || fail "stderr lacks '$1': $(head -c 500 "$app_stderr")"
}

readonly DISPLAY_HINT='cannot open a display (is DISPLAY or WAYLAND_DISPLAY set to a running one?)'

test_no_display() {
    run_to_end no-display -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= || return 1
    ((app_status == 1)) || fail "exit status $app_status without a display, expected 1" || return 1
    expect_one_line_with "$DISPLAY_HINT"
}

test_bad_platform() {
    run_to_end bad-platform QT_QPA_PLATFORM=bogus || return 1
    ((app_status == 1)) || fail "exit status $app_status with no such platform, expected 1" || return 1
    expect_one_line_with '"bogus"' || return 1
    # The plugins that do exist are named, among them the one the other
    # scenarios run on.
    grep -qw xcb "$app_stderr" || fail "the plugins there are go unnamed: $(cat "$app_stderr")" || return 1
    ! grep -qF "$DISPLAY_HINT" "$app_stderr" || fail "a missing plugin blamed on the display"
}

# --- core files and a lost display ---------------------------------------------

# Runs "$@" in this shell with $1 as the working directory and the soft
# core-file limit raised to the hard one, so that a core file would land in
# $1 (when the kernel's core pattern names no other place); puts both back.
with_core_files_in() {
    local dir="$1" limit status=0
    shift
    mkdir -p "$dir"
    limit="$(ulimit -S -c)"
    pushd "$dir" >/dev/null
    ulimit -S -c "$(ulimit -H -c)"
    "$@" || status=$?
    ulimit -S -c "$limit"
    popd >/dev/null
    return "$status"
}

# Fails unless the running program has set its own core-file limit to 0,
# soft and hard, although it was started with a higher one.
expect_core_limit_zero() {
    local limits
    limits="$(grep '^Max core file size' "/proc/$app_pid/limits")" || fail "cannot read the program's limits" ||
        return 1
    [[ "$(awk '{ print $5, $6 }' <<<"$limits")" == "0 0" ]] || fail "core files allowed: $limits"
}

# Fails if a core file came to directory $1. With a core pattern that is a
# pipe or an absolute path, cores go elsewhere and only the limit check
# (expect_core_limit_zero) speaks.
expect_no_core_file() {
    local pattern found
    pattern="$(cat /proc/sys/kernel/core_pattern)"
    [[ $pattern != \|* && $pattern != /* ]] || return 0
    found="$(ls -A "$1")"
    [[ -z "$found" ]] || fail "a core file was written: $found"
}

test_segv_no_core() {
    local dir="$scratch/segv"
    with_core_files_in "$dir" start_app segv || return 1
    measure_content_offset || return 1
    press_button >/dev/null || return 1
    expect_core_limit_zero || return 1
    kill -SEGV "$app_pid"
    # Without the shell's report of the signal.
    wait_app_end 2>/dev/null || return 1
    expect_no_core_file "$dir"
}

# Ends the X server under the program (and with it the window manager) with
# signal $1, and clears what a server killed outright leaves behind.
end_x_server() {
    local display="${DISPLAY#:}"
    kill "-$1" "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    rm -f "/tmp/.X$display-lock" "/tmp/.X11-unix/X$display"
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
    wm_pid=""
}

restart_x_server() { start_xvfb "$artifacts/xvfb.log" && start_window_manager; }

# The X server's count of clients whose connections it has not taken yet.
queued_x_clients() {
    ss -xlH | awk -v path="/tmp/.X11-unix/X${DISPLAY#:}" '$5 == path || $5 == "@" path { n += $3 } END { print n + 0 }'
}

# Ends the X server under the program with signal $1 and starts a new one
# for the scenarios that follow; fails unless the program ended with status
# 1 and one line on stderr that contains $3, and left no core file in $2.
lose_x_server() {
    end_x_server "$1"
    expect_exit_status 1
    restart_x_server || fail "could not start a new X server" || return 1
    [[ ! -s "$failure_file" ]] || return 1
    expect_one_line_with "$3" || return 1
    expect_no_core_file "$2"
}

# The server dies under a running program that has put a password on the
# clipboard: one line, status 1, no crash and no core file.
test_lost_display() {
    local dir="$scratch/lost-display"
    with_core_files_in "$dir" start_app lost-display || return 1
    measure_content_offset || return 1
    press_button >/dev/null || return 1
    lose_x_server TERM "$dir" "the display went away: The X11 connection broke"
}

# The server dies while the program starts: stopped, the server leaves the
# program's connection in its queue, so the program waits for the server's
# answer at the same point of its start every time.
test_lost_display_at_start() {
    local dir="$scratch/lost-display-at-start" tries
    kill -STOP "$xvfb_pid"
    with_core_files_in "$dir" spawn_app lost-display-at-start
    for ((tries = 0; tries < 100; tries++)); do
        (($(queued_x_clients) > 0)) && break
        sleep 0.1
    done
    (($(queued_x_clients) > 0)) || fail "the program did not connect within 10 s"
    lose_x_server KILL "$dir" "$DISPLAY_HINT"
}

# Starts the program with the given environment, makes a password with the
# button, quits, and fails if the debug log or the password reached stderr.
# $1 names the run.
expect_no_debug_log() {
    start_app "$@" || return 1
    measure_content_offset || return 1
    local password
    password="$(press_button)" || return 1
    key ctrl+q
    expect_exit_zero || return 1
    ! grep -q picked "$app_stderr" || fail "debug log written with $*" || return 1
    ! grep -qF -- "$password" "$app_stderr" || fail "the password reached stderr with $*"
}

test_debug_log_wildcard() {
    expect_no_debug_log debuglog-wildcard 'QT_LOGGING_RULES=*.debug=true'
}

test_debug_log_config_file() {
    local config="$scratch/logging-config"
    mkdir -p "$config/QtProject"
    printf '[Rules]\n*.debug=true\n' >"$config/QtProject/qtlogging.ini"
    expect_no_debug_log debuglog-config-file "XDG_CONFIG_HOME=$config"
}

# Triple-clicks the first line of the text area: selects the password, which
# goes to the PRIMARY selection.
select_password_by_mouse() {
    xdotool mousemove --window "$win" --sync "$((offset_x + TEXT_AREA[0] + TEXT_AREA[2] / 2))" \
        "$((offset_y + TEXT_AREA[1] + 12))" click --repeat 3 --delay 100 1
    sleep "$SETTLE"
}

test_primary_selection() {
    start_app primary || return 1
    measure_content_offset || return 1
    local old
    old="$(copy_text_area)"
    check_password "$old" 32 "$ALL_CHARS_RE" || return 1
    own_selection primary "selected elsewhere" || return 1
    select_password_by_mouse
    [[ "$(primary)" == "$old" ]] || fail "triple-click put '$(primary)' on PRIMARY, expected '$old'" || return 1
    [[ "$(primary_target x-kde-passwordManagerHint)" == secret ]] ||
        fail "PRIMARY's hint is '$(primary_target x-kde-passwordManagerHint)', expected 'secret'" || return 1
    # A new password from code: the old one leaves PRIMARY. (Looked at before
    # Select All, which puts the new one there.)
    click_check_box "${CAPS_BOX[@]}"
    [[ -z "$(primary)" ]] || fail "PRIMARY still holds '$(primary)' after a check box click" || return 1
    [[ "$(copy_text_area)" != "$old" ]] || fail "the check box showed no new password" || return 1
    # Another program's selection stays through the next new password.
    own_selection primary "selected elsewhere" || return 1
    click_check_box "${CAPS_BOX[@]}"
    [[ "$(primary)" == "selected elsewhere" ]] ||
        fail "a new password took another program's PRIMARY selection: '$(primary)'" || return 1
    key ctrl+q
    expect_exit_zero
}

# The room left and right of the text inside the text area, in pixels, from
# a screenshot: "left right".
text_area_margins() {
    local x=$((offset_x + TEXT_AREA[0] + 4)) y=$((offset_y + TEXT_AREA[1] + 4))
    local w=$((TEXT_AREA[2] - 8)) h=$((TEXT_AREA[3] - 8)) box
    # The trimmed box of the dark pixels: WxH+X+Y.
    box="$(import -window "$win" -crop "${w}x${h}+${x}+${y}" +repage png:- |
        convert png:- -colorspace Gray -threshold 50% -format '%@' info:)"
    [[ "$box" =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+[0-9]+$ ]] || return 1
    echo "${BASH_REMATCH[2]} $((w - BASH_REMATCH[2] - BASH_REMATCH[1]))"
}

# Fails unless the text stands in the middle of the text area, give or take
# the cursor's width. $1 says when.
expect_centred() {
    local left right
    read -r left right <<<"$(text_area_margins)" || fail "no text seen in the text area $1" || return 1
    ((left > 40 && right > 40)) || fail "text $1 has $left px left of it and $right px right: not centred" ||
        return 1
    ((left - right <= 6 && right - left <= 6)) ||
        fail "text $1 has $left px left of it and $right px right: not centred"
}

test_centred_after_cut_and_paste() {
    start_app centring || return 1
    measure_content_offset || return 1
    expect_centred "at start" || return 1
    local password
    password="$(copy_text_area)"
    key ctrl+x
    key ctrl+v
    import -window root "$artifacts/after-paste.png" || true
    expect_centred "after cut and paste" || return 1
    [[ "$(copy_text_area)" == "$password" ]] || fail "cut and paste changed the text" || return 1
    key ctrl+q
    expect_exit_zero
}

# --- run ----------------------------------------------------------------------

rm -f "$artifacts"/*.stderr "$artifacts"/fail-*.png "$artifacts/window.png"
start_xvfb "$artifacts/xvfb.log"
start_window_manager
echo "display $DISPLAY, artifacts in $artifacts"

scenario "start: window, title, fixed size, 32-character password shown, clipboard untouched" test_start
scenario "button: 32 characters from the 79 on the clipboard, marked secret, shown in the text area" \
    test_button
scenario "check boxes off: new lower-case password shown, clipboard untouched; button copies 32 lower-case letters" \
    test_boxes_off
scenario "slider: End shows and copies 200 characters of every class, Home 8; clipboard untouched" test_slider
scenario "Return presses the default button" test_return_presses_button
scenario "Ctrl+Q exits with status 0; no debug log by default" test_quit_shortcut
scenario "debug log: 200 'picked' lines per password" test_debug_log
scenario "closing the window through the window manager exits with status 0" test_close_window
scenario "debug log: QT_LOGGING_RULES='*.debug=true' writes no 'picked' line and no password" \
    test_debug_log_wildcard
scenario "debug log: a qtlogging.ini with *.debug=true writes no 'picked' line and no password" \
    test_debug_log_config_file
scenario "PRIMARY: a triple-click selects the password with the hint; a new password takes it off" \
    test_primary_selection
scenario "the password stays centred after it is cut and pasted back" test_centred_after_cut_and_paste
scenario "no display: one line on stderr asking for a display, exit status 1, no crash" test_no_display
scenario "no such platform plugin: one line naming it and those there are, exit status 1" test_bad_platform
scenario "SIGSEGV after a password was made: no core file, the core-file limit 0" test_segv_no_core
scenario "X server lost while running: one line, exit status 1, no crash, no core file" test_lost_display
scenario "X server lost while starting: one line asking for a display, exit status 1, no core file" \
    test_lost_display_at_start

echo "$passed passed, $failed failed"
((failed == 0))
