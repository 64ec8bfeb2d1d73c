# start: window, title, fixed size, 32-character password shown, clipboard untouched
readonly uses_display=shared

scenario() {
    set_clipboard "clipboard-before-start" || return 1
    start_app main || return 1
    local title hints min max
    title="$(xprop -id "$win" _NET_WM_NAME)"
    [[ "$title" == '_NET_WM_NAME(UTF8_STRING) = "Password Generator"' ]] || fail "title property: $title" || return 1
    # Fixed size: the minimum and maximum size hints agree.
    hints="$(xprop -id "$win" WM_NORMAL_HINTS)"
    min="$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")"
    max="$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")"
    [[ -n "$min" && "$min" == "$max" ]] || fail "window is resizable: $hints" || return 1
    measure_content_offset || return 1
    wait_for "the password drawn in the text area" text_shown || return 1
    import -window root "$artifacts/window.png" || fail "screenshot failed" || return 1
    local highlighted
    highlighted="$(highlighted_pixels)"
    ((highlighted < 50)) || fail "text area highlighted at start ($highlighted coloured pixels)" || return 1
    sync_with_program || return 1
    [[ "$(clipboard)" == "clipboard-before-start" ]] || fail "start changed the clipboard to '$(clipboard)'" || return 1
    local password
    password="$(copy_text_area)" || return 1
    check_password "$password" 32 "$ALL_CHARS_RE"
}
