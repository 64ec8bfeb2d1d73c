# slider: End shows and copies 200 characters of every class, Home 8; clipboard untouched
readonly uses_display=shared

scenario() {
    set_clipboard "clipboard-before-slider" || return 1
    start_app_measured slider || return 1
    local before password
    before="$(clipboard)"
    click_centre_and_wait "${SLIDER[@]}" || return 1
    press_and_wait key End || return 1
    sync_with_program || return 1
    [[ "$(clipboard)" == "$before" ]] || fail "moving the slider changed the clipboard to '$(clipboard)'" || return 1
    password="$(copy_text_area)" || return 1
    check_password "$password" 200 "$ALL_CHARS_RE" || return 1
    password="$(press_button)" || return 1
    check_password "$password" 200 "$ALL_CHARS_RE" || return 1
    # 200 characters from 79 miss a class with a chance below 1e-11.
    [[ $password == *[A-Z]* ]] || fail "no capital in '$password'" || return 1
    [[ $password == *[0-9]* ]] || fail "no digit in '$password'" || return 1
    grep -q "$SYMBOL_RE" <<<"$password" || fail "no symbol in '$password'" || return 1
    [[ $password == *[a-z]* ]] || fail "no lower-case letter in '$password'" || return 1
    click_centre "${SLIDER[@]}" key Home
    password="$(press_button)" || return 1
    check_password "$password" 8 "$ALL_CHARS_RE"
}
