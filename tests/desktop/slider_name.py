#!/usr/bin/python3
"""What a screen reader hears of the slider: through AT-SPI, under a private
X server and a private D-Bus session, the program's slider is named by the
label beside it, "32 chars long", and the name follows the label when the
user moves the slider ("33 chars long" after one Right).

Usage: slider_name.py <program> <artifacts dir>"""

import os
import sys
import time

# A D-Bus session of its own (at-spi2-core's bus launcher is started on it
# by D-Bus activation), ended with this script.
if "PWGEN_PRIVATE_DBUS" not in os.environ:
    os.environ["PWGEN_PRIVATE_DBUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

import gi  # noqa: E402
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from desktop_session import DesktopSession, fail, wait_until  # noqa: E402

CONTENT_HEIGHT = 209
SLIDER = (20, 117, 444, 27)


def find(pid, role):
    """The program's first accessible of `role` in the AT-SPI tree, or None."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is None or app.get_process_id() != pid:
            continue
        pending = [app]
        while pending:
            node = pending.pop()
            if node.get_role() == role:
                return node
            pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
    return None


def main(program, artifacts):
    with DesktopSession(program, artifacts) as session:
        os.environ["DISPLAY"] = session.display
        app = session.start_program(DBUS_SESSION_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"],
                                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        window = app.wait_for_window()
        slider = wait_until(lambda: find(app.process.pid, Atspi.Role.SLIDER), 15)
        label = find(app.process.pid, Atspi.Role.LABEL)
        if slider is None or label is None:
            fail("no slider or label of the program in the AT-SPI tree")
        name = slider.get_name()
        print("slider named %r" % name)
        if name != "32 chars long":
            fail("the slider is named %r, not after its label, '32 chars long'" % name)

        left, top, width, height = SLIDER
        content_top = session.window_size(window)[1] - CONTENT_HEIGHT
        session.run(["xdotool", "mousemove", "--window", str(window), str(left + width // 2),
                     str(content_top + top + height // 2)])
        # Focus the slider without moving it: a click would jump its value.
        slider.grab_focus()
        time.sleep(0.5)
        session.run(["xdotool", "key", "Right"])
        # The label shows the new length; the slider's name is its text.
        moved = wait_until(lambda: label.get_name() != "32 chars long", 5)
        print("after Right: label %r, slider %r" % (label.get_name(), slider.get_name()))
        if not moved:
            fail("Right on the focused slider left its label at %r" % label.get_name())
        if slider.get_name() != label.get_name():
            fail("after Right the slider is named %r, its label reads %r" % (slider.get_name(), label.get_name()))


if __name__ == "__main__":
    main(*sys.argv[1:3])
