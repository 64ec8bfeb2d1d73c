# PRIMARY: a triple-click selects the password with the hint; a new password takes it off
readonly uses_display=shared

# Triple-clicks the first line of the text area: selects the password, which
# goes to the PRIMARY selection.
select_password_by_mouse() {
    xdotool mousemove "$((content_x + TEXT_AREA[0] + TEXT_AREA[2] / 2))" "$((content_y + TEXT_AREA[1] + 12))" \
        click --repeat 3 --delay 100 1
}

scenario() {
    start_app_measured primary || return 1
    local old
    old="$(copy_text_area)" || return 1
    check_password "$old" 32 "$ALL_CHARS_RE" || return 1
    own_selection primary "selected elsewhere" || return 1
    select_password_by_mouse
    wait_for "a triple-click to put the password on PRIMARY" selection_is primary "$old" ||
        fail "PRIMARY holds '$(primary)', expected '$old'" || return 1
    [[ "$(primary_target x-kde-passwordManagerHint)" == secret ]] ||
        fail "PRIMARY's hint is '$(primary_target x-kde-passwordManagerHint)', expected 'secret'" || return 1
    # A new password from code: the old one leaves PRIMARY. (Looked at before
    # Select All, which puts the new one there.)
    click_check_box "${CAPS_BOX[@]}"
    wait_for "PRIMARY to let go of the old password after a check box click" selection_is primary "" || return 1
    [[ "$(copy_text_area)" != "$old" ]] || fail "the check box showed no new password" || return 1
    # Another program's selection stays through the next new password.
    own_selection primary "selected elsewhere" || return 1
    click_check_box_and_wait "${CAPS_BOX[@]}" || return 1
    [[ "$(primary)" == "selected elsewhere" ]] ||
        fail "a new password took another program's PRIMARY selection: '$(primary)'" || return 1
    key ctrl+q
    expect_exit_zero
}
