# debug log: QT_LOGGING_RULES='*.debug=true' writes no 'picked' line and no password
readonly uses_display=shared

scenario() {
    expect_no_debug_log debuglog-wildcard 'QT_LOGGING_RULES=*.debug=true'
}
