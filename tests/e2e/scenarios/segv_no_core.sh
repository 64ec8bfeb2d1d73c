# SIGSEGV after a password was made: no core file, the core-file limit 0
readonly uses_display=shared

# Fails unless the running program has set its own core-file limit to 0,
# soft and hard, although it was started with a higher one.
expect_core_limit_zero() {
    local limits
    limits="$(grep '^Max core file size' "/proc/$app_pid/limits")" || fail "cannot read the program's limits" ||
        return 1
    [[ "$(awk '{ print $5, $6 }' <<<"$limits")" == "0 0" ]] || fail "core files allowed: $limits"
}

scenario() {
    local dir="$scratch/segv"
    with_core_files_in "$dir" start_app_measured segv || return 1
    press_button >/dev/null || return 1
    expect_core_limit_zero || return 1
    kill -SEGV "$app_pid"
    # Without the shell's report of the signal.
    wait_app_end 2>/dev/null || return 1
    expect_no_core_file "$dir"
}
