# no such platform plugin: one line naming it and those there are, exit status 1
readonly uses_display=none

scenario() {
    run_to_end bad-platform QT_QPA_PLATFORM=bogus || return 1
    ((app_status == 1)) || fail "exit status $app_status with no such platform, expected 1" || return 1
    expect_one_line_with '"bogus"' || return 1
    # The plugins that do exist are named, among them the one the other
    # scenarios run on.
    grep -qw xcb "$app_stderr" || fail "the plugins there are go unnamed: $(cat "$app_stderr")" || return 1
    ! grep -qF "$DISPLAY_HINT" "$app_stderr" || fail "a missing plugin blamed on the display"
}
