# no display: one line on stderr asking for a display, exit status 1, no crash
readonly uses_display=none

scenario() {
    run_to_end no-display -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= || return 1
    ((app_status == 1)) || fail "exit status $app_status without a display, expected 1" || return 1
    expect_one_line_with "$DISPLAY_HINT"
}
