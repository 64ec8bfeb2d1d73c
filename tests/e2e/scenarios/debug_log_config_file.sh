# debug log: a qtlogging.ini with *.debug=true writes no 'picked' line and no password
readonly uses_display=shared

scenario() {
    local config="$scratch/logging-config"
    mkdir -p "$config/QtProject"
    printf '[Rules]\n*.debug=true\n' >"$config/QtProject/qtlogging.ini"
    expect_no_debug_log debuglog-config-file "XDG_CONFIG_HOME=$config"
}
