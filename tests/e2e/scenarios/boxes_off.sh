# check boxes off: new lower-case password shown, clipboard untouched; button copies 32 lower-case letters
readonly uses_display=shared

scenario() {
    set_clipboard "clipboard-before-boxes" || return 1
    start_app_measured boxes-off || return 1
    local before password
    before="$(clipboard)"
    click_check_box_and_wait "${CAPS_BOX[@]}" || return 1
    click_check_box_and_wait "${NUMBERS_BOX[@]}" || return 1
    click_check_box_and_wait "${SYMBOLS_BOX[@]}" || return 1
    [[ "$(clipboard)" == "$before" ]] || fail "a check box changed the clipboard to '$(clipboard)'" || return 1
    # The boxes already made the shown password lower case.
    password="$(copy_text_area)" || return 1
    check_password "$password" 32 '^[a-z]+$' || return 1
    password="$(press_button)" || return 1
    check_password "$password" 32 '^[a-z]+$'
}
