# Ctrl+Q exits with status 0; no debug log by default
readonly uses_display=shared

scenario() {
    start_app_measured quit || return 1
    click_centre "${TEXT_AREA[@]}" key ctrl+q
    expect_exit_zero || return 1
    ! grep -q picked "$app_stderr" || fail "debug log written without being switched on"
}
