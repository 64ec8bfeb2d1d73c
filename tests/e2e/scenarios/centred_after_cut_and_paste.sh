# the password stays centred after it is cut and pasted back
readonly uses_display=shared

scenario() {
    start_app_measured centring || return 1
    wait_for "the password drawn in the text area" text_shown || return 1
    expect_centred "at start" || return 1
    local password
    password="$(copy_text_area)" || return 1
    key ctrl+x
    wait_for "the text area to empty after Ctrl+X" text_area_empty || return 1
    key ctrl+v
    if ! wait_for "the pasted password drawn centred" centred; then
        expect_centred "after cut and paste"
        return 1
    fi
    import -window root "$artifacts/after-paste.png" || true
    [[ "$(copy_text_area)" == "$password" ]] || fail "cut and paste changed the text" || return 1
    key ctrl+q
    expect_exit_zero
}
