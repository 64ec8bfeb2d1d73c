#!/usr/bin/python3
"""A check box turned off through AT-SPI's Toggle action (as a screen reader
or a switch device does, with no click) takes effect: the window then shows
a new password without that box's characters, and the generate button puts
none of them on the clipboard.

Usage: assistive_toggle.py <program> <artifacts dir>"""

import os
import string
import sys

from accessibility import Atspi, bus_environment, find
from desktop_session import DesktopSession, fail, wait_until

BOXES = [
    # caption, the characters it allows
    ("Use CAPS", string.ascii_uppercase),
    ("Use Numbers", "1234567890"),
    ("Use Symbols", "!#$%&/()=?*+-:;,."),
]


def shown_text(text_area):
    return text_area.get_text_iface().get_text(0, -1)


def toggle(box):
    actions = box.get_action_iface()
    for index in range(actions.get_n_actions()):
        if actions.get_action_name(index) == "Toggle":
            actions.do_action(index)
            return
    fail("the check box %r offers no Toggle action" % box.get_name())


def main(program, artifacts):
    problems = []
    with DesktopSession(program, artifacts) as session:
        os.environ["DISPLAY"] = session.display
        for caption, characters in BOXES:
            app = session.start_program(name=caption.replace(" ", "_"), **bus_environment())
            window = app.wait_for_window()
            pid = app.process.pid
            box = wait_until(lambda: find(pid, Atspi.Role.CHECK_BOX, caption), 15)
            text_area = find(pid, Atspi.Role.TEXT)
            if box is None or text_area is None:
                fail("no check box %r or text area of the program in the AT-SPI tree" % caption)
            before = shown_text(text_area)

            toggle(box)
            if not wait_until(lambda: not box.get_state_set().contains(Atspi.StateType.CHECKED), 5):
                fail("%r still shows checked after Toggle" % caption)
            shown = wait_until(lambda: shown_text(text_area) != before and shown_text(text_area), 5)
            copied = app.press_button(window)
            print("%s off: shown %r, copied %r" % (caption, shown, copied))
            if not shown:
                problems.append("%s off through Toggle: the window still shows the password from before" % caption)
            elif set(shown) & set(characters):
                problems.append("%s off through Toggle: the window shows %r" % (caption, shown))
            if set(copied) & set(characters):
                problems.append("%s off through Toggle: the button copied %r" % (caption, copied))
            app.end()
    if problems:
        fail("\n".join(problems))


if __name__ == "__main__":
    main(*sys.argv[1:3])
