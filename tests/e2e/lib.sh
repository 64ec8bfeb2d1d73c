# Helpers of the end-to-end scenarios, sourced by run_e2e.sh (and, for the
# display helpers, by shared_display.sh).
#
# Nothing here sleeps a fixed time: every step waits for its effect (the
# pointer's place, the program's answer to an input event, the clipboard, the
# screen) by polling with a bound, and a wait that runs out fails the
# scenario naming what it waited for. The bounds are generous (the asan build
# starts slowly) and no check measures time.
#
# The caller sets exe (the program), artifacts (the scenario's own directory)
# and scratch (a private temporary directory), and ends the processes listed
# in app_pid, xclip_pids, wm_pid and xvfb_pid when it exits.

# shellcheck source=../../scripts/lib/xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"

# Content-area geometry of the controls (x, y, w, h below the menu bar).
readonly CONTENT_W=600 CONTENT_H=209
readonly TEXT_AREA=(20 20 444 89)
readonly CAPS_BOX=(480 21 126 24) NUMBERS_BOX=(480 53 126 24) SYMBOLS_BOX=(480 85 126 24)
readonly SLIDER=(20 117 444 27)
readonly BUTTON=(20 149 560 47)

readonly ALL_CHARS_RE='^[a-zA-Z0-9!#$%&/()=?*+:;,.-]+$'
readonly SYMBOL_RE='[!#$%&/()=?*+:;,.-]'
readonly DISPLAY_HINT='cannot open a display (is DISPLAY or WAYLAND_DISPLAY set to a running one?)'

# How long a wait may take: long enough for the asan build on a loaded machine.
readonly WAIT_SECONDS="${E2E_WAIT_SECONDS:-20}"

app_pid="" wm_pid="" xvfb_pid="" xclip_pids=()

# --- failing and waiting ------------------------------------------------------

# The reasons a scenario failed go to a file, so that helpers run in a
# command substitution can report them too.
fail() {
    echo "$*" >>"$scratch/failure"
    return 1
}

# Runs "$@" every 50 ms until it succeeds, for at most WAIT_SECONDS; then
# fails naming $1, what it waited for.
wait_for() {
    local what="$1" deadline=$((SECONDS + WAIT_SECONDS))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "waited ${WAIT_SECONDS} s in vain for $what" || return 1
        read -r -t 0.05 -u "$never_ready" || true
    done
}
# A descriptor that never has input, for read -t to sleep on without a process.
exec {never_ready}<> <(:)

# --- X server and window manager ------------------------------------------

window_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts openbox on DISPLAY, its messages to the file $1; sets wm_pid.
start_window_manager() {
    openbox --sm-disable </dev/null >"$1" 2>&1 &
    wm_pid=$!
    wait_for "the window manager (see $1)" window_manager_up
}

# Reads the record of the shared X server that shared_display.sh writes to
# the file $1: sets shared_display, shared_xvfb_pid and shared_wm_pid.
read_display_record() {
    local key value
    shared_display="" shared_xvfb_pid="" shared_wm_pid=""
    while IFS='=' read -r key value; do
        case "$key" in
        DISPLAY) shared_display="$value" ;;
        xvfb_pid) shared_xvfb_pid="$value" ;;
        wm_pid) shared_wm_pid="$value" ;;
        esac
    done <"$1"
}

# Starts an X server of this scenario's own with a window manager; sets
# DISPLAY, xvfb_pid and wm_pid.
start_private_display() {
    start_xvfb "$artifacts/xvfb.log" </dev/null || fail "Xvfb did not start (see $artifacts/xvfb.log)" || return 1
    start_window_manager "$artifacts/openbox.log"
}

# --- the selections -------------------------------------------------------------

clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null || true; }
clipboard_target() { timeout 5 xclip -selection clipboard -t "$1" -o 2>/dev/null || true; }
primary() { timeout 5 xclip -selection primary -o 2>/dev/null || true; }
primary_target() { timeout 5 xclip -selection primary -t "$1" -o 2>/dev/null || true; }

selection_is() { [[ "$(timeout 5 xclip -selection "$1" -o 2>/dev/null)" == "$2" ]]; }

# Makes a helper process own the selection $1 (clipboard or primary) with
# the text $2, so that a change of owner shows.
own_selection() {
    xclip -quiet -selection "$1" -i <<<"$2" >/dev/null 2>&1 &
    xclip_pids+=($!)
    wait_for "xclip to put '$2' on the $1 selection" selection_is "$1" "$2"
}
set_clipboard() { own_selection clipboard "$1"; }

clipboard_differs() { [[ "$(clipboard)" != "$1" ]]; }

# Prints the clipboard once it differs from $1; fails, naming $2 (what
# should have changed it), if it does not within the bound.
wait_clipboard_change() {
    wait_for "$2 to put something new on the clipboard" clipboard_differs "$1" || return 1
    clipboard
}

# --- the program -----------------------------------------------------------------

# Starts the program in the background with the environment arguments of
# env ("${@:2}"); stderr goes to $artifacts/$1.stderr. Sets app_pid and
# app_stderr.
app_stderr=""
spawn_app() {
    app_stderr="$artifacts/$1.stderr"
    shift
    env "$@" "$exe" </dev/null >/dev/null 2>"$app_stderr" &
    app_pid=$!
}

# Succeeds once the program shows its window (and sets win) or has ended.
win=""
window_shown_or_app_ended() {
    win="$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Password Generator$' 2>/dev/null |
        head -n 1)" || true
    [[ -n "$win" ]] || app_ended
}

window_focused() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$win" ]]; }

# Starts the program like spawn_app and waits for its window to show and to
# take the keyboard. Sets win (the program's top-level window).
start_app() {
    spawn_app "$@"
    wait_for "a visible window titled 'Password Generator'" window_shown_or_app_ended || return 1
    if [[ -z "$win" ]]; then
        local status=0
        wait "$app_pid" || status=$?
        app_pid=""
        fail "the program exited with status $status before showing its window (see $app_stderr)"
        return 1
    fi
    wait_for "the program's window to take the keyboard focus" window_focused
}

app_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# Waits for the program to end and sets app_status.
app_status=""
wait_app_end() {
    wait_for "the program to end" app_ended || return 1
    app_status=0
    wait "$app_pid" || app_status=$?
    app_pid=""
}

# Waits for the program to end; fails unless its status is $1.
expect_exit_status() {
    wait_app_end || return 1
    [[ $app_status -eq $1 ]] || fail "exit status $app_status, expected $1 (see $app_stderr)"
}

expect_exit_zero() { expect_exit_status 0; }

# Offset of the content area inside the window (the menu bar sits above it),
# and its corner on the screen.
offset_x=0 offset_y=0 content_x=0 content_y=0
measure_content_offset() {
    local line width=0 height=0 origin_x=0 origin_y=0
    while read -r line; do
        case "$line" in
        "Absolute upper-left X:"*) origin_x="${line##* }" ;;
        "Absolute upper-left Y:"*) origin_y="${line##* }" ;;
        "Width:"*) width="${line##* }" ;;
        "Height:"*) height="${line##* }" ;;
        esac
    done < <(xwininfo -id "$win")
    [[ $width -eq $CONTENT_W ]] || fail "window is ${width} px wide, expected $CONTENT_W" || return 1
    ((height > CONTENT_H && height < CONTENT_H + 100)) ||
        fail "window is ${height} px high: no room for a menu bar above $CONTENT_H px of content" || return 1
    offset_x=0
    offset_y=$((height - CONTENT_H))
    content_x=$((origin_x + offset_x)) content_y=$((origin_y + offset_y))
}

# Starts the program like start_app and measures where its content area is.
start_app_measured() { start_app "$@" && measure_content_offset; }

# --- input ------------------------------------------------------------------------
#
# Input goes to the program through xdotool without waiting on the way: the
# X server handles one client's requests in order, and the program its input
# events, so a click lands where the pointer was moved just before and a key
# after a click goes where the click put the focus. (mousemove --sync would
# wait 15 s for a motion that never comes when the pointer already stands on
# the target.) A scenario waits for what it observes: the clipboard, the
# screen, the program's end; and, where nothing shows, for the program to
# take a press.

# Clicks at (x, y) of the content area; the xdotool commands "${@:3}" follow.
click_at() { xdotool mousemove "$((content_x + $1))" "$((content_y + $2))" click 1 "${@:3}"; }
# Clicks the centre of a control given as (x y w h); "${@:5}" follow.
click_centre() { click_at "$(($1 + $3 / 2))" "$(($2 + $4 / 2))" "${@:5}"; }
# Clicks the box of a check box, at its left end; "${@:5}" follow.
click_check_box() { click_at "$(($1 + 8))" "$(($2 + $4 / 2))" "${@:5}"; }

key() { xdotool key "$@"; }

# The time of the last key or button press the program took: the toolkit
# stamps it on the window.
user_time() { xprop -id "$win" _NET_WM_USER_TIME 2>/dev/null || true; }
user_time_differs() { [[ "$(user_time)" != "$1" ]]; }

# Runs the xdotool command "$@", which ends with one press of a key or a
# button, and waits for the program to take that press. Only sound when the
# program has taken every press sent before (waited for here or through its
# effect): a change of the time could come from an earlier one.
press_and_wait() {
    local before
    before="$(user_time)"
    xdotool "$@"
    wait_for "the program to take 'xdotool $*'" user_time_differs "$before"
}

# Waits until the program has handled every input event sent so far,
# releases too: it takes a press of Shift, which no control acts on, after
# them. The same condition as press_and_wait.
sync_with_program() { press_and_wait key shift; }

# Clicks at (x, y) of the content area and waits until the program has
# handled the click (controls act on the release).
click_at_and_wait() {
    press_and_wait mousemove "$((content_x + $1))" "$((content_y + $2))" mousedown 1 || return 1
    xdotool mouseup 1
    sync_with_program
}
click_centre_and_wait() { click_at_and_wait "$(($1 + $3 / 2))" "$(($2 + $4 / 2))"; }
click_check_box_and_wait() { click_at_and_wait "$(($1 + 8))" "$(($2 + $4 / 2))"; }

# Clicks the button and prints the password it put on the clipboard.
press_button() {
    local before
    before="$(clipboard)"
    click_centre "${BUTTON[@]}"
    wait_clipboard_change "$before" "the button"
}

# The text-area contents, copied through a click, Select All and Copy. The
# clipboard holds another text first, so that the copy shows even when the
# program had put the same text there.
copy_text_area() {
    set_clipboard "before copying the text area" || return 1
    click_centre "${TEXT_AREA[@]}" key ctrl+a ctrl+c
    wait_clipboard_change "before copying the text area" "Ctrl+C in the text area"
}

# --- what the screen shows ------------------------------------------------------

# Fails unless $1 is a password of length $2 whose characters are all in the
# class regex $3.
check_password() {
    local password="$1" length="$2" allowed="$3"
    [[ ${#password} -eq $length ]] || fail "expected $length characters, got ${#password}: '$password'" || return 1
    grep -Eq "$allowed" <<<"$password" || fail "unexpected characters in '$password'"
}

# The inside of the text area, frame left out, as an image of format $1
# (png, rgb) on stdout.
text_area_image() {
    local x=$((offset_x + TEXT_AREA[0] + 4)) y=$((offset_y + TEXT_AREA[1] + 4))
    local w=$((TEXT_AREA[2] - 8)) h=$((TEXT_AREA[3] - 8))
    import -window "$win" -crop "${w}x${h}+${x}+${y}" +repage "$1:-"
}

# Counts the strongly coloured pixels inside the text area: the selection
# highlight is coloured, unselected text grey on white.
highlighted_pixels() {
    text_area_image png |
        convert png:- -colorspace HSL -channel G -separate +channel -threshold 40% \
            -format '%[fx:round(mean*w*h)]' info:
}

password_highlighted() { (($(highlighted_pixels) > 1000)); }
nothing_highlighted() { (($(highlighted_pixels) < 50)); }

# The room left and right of the text inside the text area, in pixels, from
# a screenshot: "left right". Fails when the text area shows no more than a
# cursor.
text_area_margins() {
    local w=$((TEXT_AREA[2] - 8)) box
    # The trimmed box of the dark pixels: WxH+X+Y.
    box="$(text_area_image png | convert png:- -colorspace Gray -threshold 50% -format '%@' info: 2>/dev/null)"
    [[ "$box" =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+[0-9]+$ ]] && ((BASH_REMATCH[1] > 2)) || return 1
    echo "${BASH_REMATCH[2]} $((w - BASH_REMATCH[2] - BASH_REMATCH[1]))"
}

text_shown() { text_area_margins >/dev/null; }
text_area_empty() { ! text_shown; }

# Prints why the text does not stand in the middle of the text area, give
# or take the cursor's width, or nothing when it does. $1 says when.
centring_fault() {
    local margins left right
    if ! margins="$(text_area_margins)"; then
        echo "no text seen in the text area $1"
        return
    fi
    read -r left right <<<"$margins"
    if ((left <= 40 || right <= 40 || left - right > 6 || right - left > 6)); then
        echo "text $1 has $left px left of it and $right px right: not centred"
    fi
}

expect_centred() {
    local fault
    fault="$(centring_fault "$1")"
    [[ -z "$fault" ]] || fail "$fault"
}

# Silent, for waiting: the screen may still show an earlier frame.
centred() { [[ -z "$(centring_fault "")" ]]; }

# --- stderr, exit status and core files ------------------------------------------

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
        exec env "$@" timeout -k 2 "$WAIT_SECONDS" "$exe"
    ) </dev/null >/dev/null 2>"$app_stderr" || app_status=$?
    ((app_status != 124 && app_status != 137)) || fail "still running after $WAIT_SECONDS s" || return 1
    ((app_status < 128)) || fail "killed by signal $((app_status - 128))"
}

# Fails unless the program's stderr is one line that contains $1.
expect_one_line_with() {
    local lines
    lines="$(wc -l <"$app_stderr")"
    [[ $lines -eq 1 ]] || fail "expected one line on stderr, got $lines: $(head -c 500 "$app_stderr")" || return 1
    grep -qF -- "$1" "$app_stderr" || fail "stderr lacks '$1': $(head -c 500 "$app_stderr")"
}

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

# Fails if a core file came to directory $1. With a core pattern that is a
# pipe or an absolute path, cores go elsewhere and only the check of the
# program's own limit speaks.
expect_no_core_file() {
    local pattern found
    pattern="$(cat /proc/sys/kernel/core_pattern)"
    [[ $pattern != \|* && $pattern != /* ]] || return 0
    found="$(ls -A "$1")"
    [[ -z "$found" ]] || fail "a core file was written: $found"
}

# --- the debug log ----------------------------------------------------------------

count_picked() { grep -Ec '^[0-9]+picked$' "$app_stderr" || true; }
picked_at_least() { (($(count_picked) >= $1)); }

# Waits until the debug log has $1 lines and the program has handled all
# input so far, then checks the count is exact.
expect_picked() {
    wait_for "$1 'picked' lines in the debug log" picked_at_least "$1" || fail "found $(count_picked)" || return 1
    sync_with_program || return 1
    [[ $(count_picked) -eq $1 ]] || fail "expected $1 'picked' lines, found $(count_picked)"
}

# Starts the program with the given environment, makes a password with the
# button, quits, and fails if the debug log or the password reached stderr.
# $1 names the run.
expect_no_debug_log() {
    start_app_measured "$@" || return 1
    local password
    password="$(press_button)" || return 1
    key ctrl+q
    expect_exit_zero || return 1
    ! grep -q picked "$app_stderr" || fail "debug log written with $*" || return 1
    ! grep -qF -- "$password" "$app_stderr" || fail "the password reached stderr with $*"
}

# --- a lost X server -------------------------------------------------------------

# Ends this scenario's own X server under the program (and with it the
# window manager) with signal $1, and clears what a server killed outright
# leaves behind.
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

# Ends the X server under the program with signal $1; fails unless the
# program ended with status 1 and one line on stderr that contains $3, and
# left no core file in $2.
lose_x_server() {
    end_x_server "$1"
    expect_exit_status 1 || return 1
    expect_one_line_with "$3" || return 1
    expect_no_core_file "$2"
}
