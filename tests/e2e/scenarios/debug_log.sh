# debug log: 200 'picked' lines per password
readonly uses_display=shared

scenario() {
    start_app_measured debuglog QT_LOGGING_RULES=framework.debuglog.debug=true || return 1
    expect_picked 200 || return 1
    press_button >/dev/null || return 1
    expect_picked 400
}
