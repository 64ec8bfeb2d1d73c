# X server lost while starting: one line asking for a display, exit status 1, no core file
readonly uses_display=own

# The X server's count of clients whose connections it has not taken yet.
queued_x_clients() {
    ss -xlH | awk -v path="/tmp/.X11-unix/X${DISPLAY#:}" '$5 == path || $5 == "@" path { n += $3 } END { print n + 0 }'
}
program_queued() { (($(queued_x_clients) > 0)); }

# Stopped, the server leaves the program's connection in its queue, so the
# program waits for the server's answer at the same point of its start
# every time.
scenario() {
    local dir="$scratch/lost-display-at-start"
    kill -STOP "$xvfb_pid"
    with_core_files_in "$dir" spawn_app lost-display-at-start
    wait_for "the program to connect to the stopped X server" program_queued || return 1
    lose_x_server KILL "$dir" "$DISPLAY_HINT"
}
