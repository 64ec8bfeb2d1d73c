# X server lost while running: one line, exit status 1, no crash, no core file
readonly uses_display=own

# The server dies under a running program that has put a password on the
# clipboard.
scenario() {
    local dir="$scratch/lost-display"
    with_core_files_in "$dir" start_app_measured lost-display || return 1
    press_button >/dev/null || return 1
    lose_x_server TERM "$dir" "the display went away: The X11 connection broke"
}
