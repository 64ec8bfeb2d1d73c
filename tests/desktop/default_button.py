#!/usr/bin/python3
"""The window's default button, "Generate password and copy to clipboard",
keeps its default look (its frame's colour) when Tab moves the focus off it,
and Return still presses it with the focus on a check box: the clipboard then
holds a new password of the slider's 32 characters.

Usage: default_button.py <program> <artifacts dir>"""

import subprocess
import sys
import time

from desktop_session import BUTTON, CONTENT_HEIGHT, USE_CAPS, DesktopSession, centre, fail, wait_until

MARKER = "no password yet"


class Window:
    def __init__(self, desktop, window):
        self.desktop = desktop
        self.window = window
        self.content_top = desktop.window_size(window)[1] - CONTENT_HEIGHT
        self.shots = 0

    def click(self, box):
        self.desktop.click_content(self.window, *centre(box))
        time.sleep(0.5)

    def key(self, name):
        self.desktop.run(["xdotool", "key", "--clearmodifiers", name])
        time.sleep(0.5)

    def button_frame(self, name):
        """The pixels across the button's left frame, on its middle row."""
        shot = self.desktop.screenshot(name + ".png", self.window)
        left, top, width, height = BUTTON
        return self.desktop.pixels(shot, (left - 2, self.content_top + top + height // 2, 6, 1))[0]


def main(program, artifacts):
    with DesktopSession(program, artifacts, window_manager=True) as desktop:
        app = desktop.start_program()
        window = Window(desktop, app.wait_for_window())
        window.click(BUTTON)
        focused = window.button_frame("focused")
        window.key("Tab")
        after_tab = window.button_frame("after-tab")
        print("frame focused %s, after Tab %s" % (focused, after_tab))
        if after_tab != focused:
            fail("the button's frame changed when Tab moved the focus off it: %s, then %s" % (focused, after_tab))
        if not any(b > r + 40 for r, g, b in focused):
            fail("the button's frame %s shows no default (highlighted) look" % (focused,))

        # Twice, so that the box is focused and as it was.
        window.click(USE_CAPS)
        window.click(USE_CAPS)
        # xclip stays in the background holding the marker until the program
        # takes the clipboard (or the X server ends).
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=MARKER.encode(), env=desktop.environment(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10, check=True)
        wait_until(lambda: desktop.clipboard() == MARKER, 5)
        window.key("Return")
        password = wait_until(lambda: (lambda text: text if text != MARKER else None)(desktop.clipboard()), 5)
        if not password or len(password) != 32:
            fail("Return with the focus on a check box left the clipboard at %r" % (password or MARKER))


if __name__ == "__main__":
    main(*sys.argv[1:3])
