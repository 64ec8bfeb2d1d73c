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

for tool in Xvfb openbox xdotool xclip xprop wmctrl import timeout; do
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

# A private X server: Xvfb takes the first free display number itself and
# names it on descriptor 4 once it accepts clients.
start_xvfb() {
    local display
    exec 4< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$artifacts/xvfb.log")
    xvfb_pid=$!
    if ! read -r -t 10 display <&4; then
        echo "Xvfb did not start:" >&2
        cat "$artifacts/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

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

# Starts the program with the given environment assignments; stderr goes to
# $artifacts/$1.stderr. Sets app_pid and win (the program's top-level window).
win="" app_stderr=""
start_app() {
    app_stderr="$artifacts/$1.stderr"
    shift
    env "$@" "$exe" >/dev/null 2>"$app_stderr" &
    app_pid=$!
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

# Waits up to 10 s for the program to end; fails unless its status is 0.
expect_exit_zero() {
    local tries status=0
    for ((tries = 0; tries < 100; tries++)); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "still running 10 s after being asked to quit"
        return 1
    fi
    wait "$app_pid" || status=$?
    app_pid=""
    [[ $status -eq 0 ]] || fail "exit status $status (see $app_stderr)"
}

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

test_no_display() {
    local status=0 dir="$scratch/no-display"
    mkdir -p "$dir"
    (
        cd "$dir"
        ulimit -c 0
        exec env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout -k 2 10 "$exe"
    ) >/dev/null 2>"$artifacts/no-display.stderr" || status=$?
    ((status != 0)) || fail "exit status 0 without a display" || return 1
    ((status != 124 && status != 137)) || fail "still running after 10 s without a display" || return 1
    ((status < 128)) || fail "killed by signal $((status - 128))" || return 1
    local lines
    lines="$(wc -l <"$artifacts/no-display.stderr")"
    [[ $lines -eq 1 && -n "$(tr -d '[:space:]' <"$artifacts/no-display.stderr")" ]] ||
        fail "expected one line on stderr, got $lines: $(head -c 500 "$artifacts/no-display.stderr")"
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
start_xvfb
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
scenario "no display: one line on stderr, non-zero exit, no crash" test_no_display

echo "$passed passed, $failed failed"
((failed == 0))
