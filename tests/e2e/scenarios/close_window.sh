# closing the window through the window manager exits with status 0
readonly uses_display=shared

scenario() {
    start_app close || return 1
    wmctrl -i -c "$win" || fail "wmctrl could not ask the window to close" || return 1
    expect_exit_zero
}
