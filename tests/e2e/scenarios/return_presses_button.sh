# Return presses the default button
readonly uses_display=shared

scenario() {
    start_app_measured return || return 1
    local before password
    # Focus on the slider, at 8 characters: clicking its groove pages it.
    click_centre "${SLIDER[@]}" key Home
    before="$(clipboard)"
    key Return
    password="$(wait_clipboard_change "$before" "Return")" || return 1
    check_password "$password" 8 "$ALL_CHARS_RE"
}
