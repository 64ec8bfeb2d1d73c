# button: 32 characters from the 79 on the clipboard, marked secret, selected and shown in the text area
readonly uses_display=shared

scenario() {
    start_app_measured button || return 1
    local start_password password targets shown
    start_password="$(copy_text_area)" || return 1
    # Right takes Select All's highlight away again. (Not a click: one soon
    # after the click of the copy would be a double-click, which selects a word.)
    key Right
    wait_for "Select All's highlight to go after Right" nothing_highlighted || return 1
    password="$(press_button)" || return 1
    check_password "$password" 32 "$ALL_CHARS_RE" || return 1
    # The password is selected: a highlight about the size of 32 characters.
    wait_for "the new password shown selected (over 1000 highlighted pixels)" password_highlighted || return 1
    import -window root "$artifacts/after-button.png" || true
    [[ "$password" != "$start_password" ]] || fail "the button did not make a new password" || return 1
    targets="$(timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null || true)"
    grep -qx 'x-kde-passwordManagerHint' <<<"$targets" || fail "no password-manager hint; targets: $targets" ||
        return 1
    [[ "$(clipboard_target x-kde-passwordManagerHint)" == secret ]] ||
        fail "hint is '$(clipboard_target x-kde-passwordManagerHint)', expected 'secret'" || return 1
    # The text area shows the password that was copied.
    shown="$(copy_text_area)" || return 1
    [[ "$shown" == "$password" ]] || fail "text area shows '$shown', clipboard had '$password'"
}
