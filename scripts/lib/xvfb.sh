# Sourced by scripts that need a private X server (the end-to-end test, the
# start-up benchmark).

# Starts Xvfb on the first free display number, which Xvfb picks itself and
# names on descriptor 4 once it accepts clients; sets xvfb_pid and exports
# DISPLAY. Xvfb's own messages go to the file $1.
start_xvfb() {
    local log="$1" display
    exec 4< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$log")
    xvfb_pid=$!
    if ! read -r -t 10 display <&4; then
        echo "Xvfb did not start:" >&2
        cat "$log" >&2
        return 1
    fi
    export DISPLAY=":$display"
}
