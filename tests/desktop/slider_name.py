#!/usr/bin/python3
"""What a screen reader hears of the slider: through AT-SPI, under a private
X server and a private D-Bus session, the program's slider is named by the
label beside it, "32 chars long", and the name follows the label when the
user moves the slider ("33 chars long" after one Right).

Usage: slider_name.py <program> <artifacts dir>"""

import os
import sys
import time

from accessibility import Atspi, bus_environment, find
from desktop_session import CONTENT_HEIGHT, SLIDER, DesktopSession, fail, wait_until



def main(program, artifacts):
    with DesktopSession(program, artifacts) as session:
        os.environ["DISPLAY"] = session.display
        app = session.start_program(**bus_environment())
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
