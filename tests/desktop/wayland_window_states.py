#!/usr/bin/python3
"""The program's window on a Wayland compositor (weston, nested in a private
Xvfb) with Qt's Wayland plugin and no X display: maximised through the
maximise button of its title bar and through weston's Super+Shift+M, each
time repainted and restored, and dragged to a larger size, the program keeps
running at its size and its button still puts a password on the Wayland
clipboard.

    wayland_window_states.py <program> <artifacts dir>
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, fail, wait_until  # noqa: E402

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
# weston's panel across the top of the screen, with a clock that changes.
PANEL_HEIGHT = 32
# Where the pointer waits while the screen is compared: a corner, out of
# the way of the window until it is maximised.
POINTER_REST = (2, SCREEN_HEIGHT - 2)
# On the window as it is drawn (title bar, menu bar, content), from its top
# left corner and, for the title bar's buttons, from its top right one.
GENERATE_BUTTON = (303, 221)
MAXIMIZE_BUTTON_FROM_RIGHT = (41, 15)
PASSWORD_LENGTH = 32  # the length the window shows at start


class WaylandDesktop:
    def __init__(self, desktop):
        self.desktop = desktop
        self.socket = desktop.start_weston()
        self.background = self.desktop_drawn()

    def desktop_drawn(self):
        """A screenshot of the empty desktop once its shell has drawn it:
        a patterned background, the same in two screenshots in a row."""
        def drawn():
            shot = self.screen("background.png")
            with open(shot, "rb") as f:
                content = f.read()
            colours = self.convert(shot, "-crop", self.below_panel(), "-format", "%k", "info:")
            drawn.previous, previous = content, getattr(drawn, "previous", None)
            return shot if int(colours) > 1 and content == previous else None
        shot = wait_until(drawn, timeout=15, interval=0.3)
        if not shot:
            fail("weston's desktop shell never drew the desktop (see background.png)")
        return shot

    @staticmethod
    def below_panel():
        return "%dx%d+0+%d" % (SCREEN_WIDTH, SCREEN_HEIGHT - PANEL_HEIGHT, PANEL_HEIGHT)

    @staticmethod
    def convert(*args):
        return subprocess.run(["convert"] + list(args), capture_output=True, check=True).stdout.decode()

    def client_environment(self):
        return {"WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland", "DISPLAY": None}

    def screen(self, name):
        self.desktop.run(["xdotool", "mousemove", str(POINTER_REST[0]), str(POINTER_REST[1])])
        return self.desktop.screenshot(name)

    def window_box(self, name):
        """(left, top, width, height) of what differs from the empty
        desktop below the panel: the program's window as drawn."""
        shot = self.screen(name)
        out = self.convert(self.background, shot, "-crop", self.below_panel(), "+repage", "-compose", "difference",
                           "-composite", "-threshold", "5%", "-trim", "-format", "%w %h %X %Y", "info:")
        width, height, left, top = (int(v) for v in out.split())
        if width <= 1 and height <= 1:
            return None
        return left, top + PANEL_HEIGHT, width, height

    def click(self, x, y):
        self.desktop.run(["xdotool", "mousemove", str(x), str(y), "click", "1"])

    def press_maximize_key(self, window_box):
        # weston takes key strokes that arrive at its X window; the program's
        # surface gets the keyboard focus when clicked.
        left, top, _, _ = window_box
        self.click(left + GENERATE_BUTTON[0], top + MAXIMIZE_BUTTON_FROM_RIGHT[1])
        self.desktop.run(["xdotool", "windowfocus", "--sync", str(self.desktop.weston_window)])
        self.desktop.run(["xdotool", "key", "super+shift+m"])

    def clipboard(self):
        result = subprocess.run(["wl-paste", "--no-newline"], env=self.desktop.environment(**self.client_environment()),
                                capture_output=True, timeout=10)
        return result.stdout.decode(errors="replace") if result.returncode == 0 else None


def wait_for_box(wayland, app, name, wanted, what):
    """Polls screenshots until the window's box satisfies `wanted`; fails
    with the program's standard error if it ends meanwhile."""
    def seen():
        if not app.running():
            fail("the program exited with status %s after %s; stderr:\n%s" % (app.process.returncode, what, app.stderr()))
        box = wayland.window_box(name)
        return box if box and wanted(box) else None
    box = wait_until(seen, timeout=10, interval=0.2)
    if not box:
        fail("after %s the window never looked as expected; last box %s (see %s)"
             % (what, wayland.window_box(name), name))
    return box


def maximized(box):
    left, top, width, height = box
    return left == 0 and top == PANEL_HEIGHT and width == SCREEN_WIDTH and height == SCREEN_HEIGHT - PANEL_HEIGHT


def generate_password(wayland, app, box, previous=None):
    """Clicks the button; gives what then comes on the clipboard in place
    of `previous` (None if nothing new comes)."""
    wayland.click(box[0] + GENERATE_BUTTON[0], box[1] + GENERATE_BUTTON[1])

    def new_text():
        text = app.running() and wayland.clipboard()
        return text if text and text != previous else None
    return wait_until(new_text, timeout=10, interval=0.2)


def main(program, artifacts):
    with DesktopSession(program, artifacts, screen="%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT)) as desktop:
        wayland = WaylandDesktop(desktop)
        app = desktop.start_program(**wayland.client_environment())
        normal = wait_for_box(wayland, app, "normal.png", lambda box: box[2] > 100 and box[3] > 100, "starting")
        if maximized(normal):
            fail("the window opened maximised: %s" % (normal,))

        first = generate_password(wayland, app, normal)
        if not first or len(first) != PASSWORD_LENGTH:
            fail("the button put %r on the clipboard before any maximise, not a password" % (first,))

        left, top, width, _ = normal
        maximize_button = (left + width - MAXIMIZE_BUTTON_FROM_RIGHT[0], top + MAXIMIZE_BUTTON_FROM_RIGHT[1])
        wayland.click(*maximize_button)
        full = wait_for_box(wayland, app, "maximized-by-title-bar.png", maximized, "the title bar's maximise button")
        wayland.click(full[2] - MAXIMIZE_BUTTON_FROM_RIGHT[0], full[1] + MAXIMIZE_BUTTON_FROM_RIGHT[1])
        normal = wait_for_box(wayland, app, "restored-by-title-bar.png", lambda box: box[2:] == normal[2:],
                              "the title bar's restore button")

        wayland.press_maximize_key(normal)
        wait_for_box(wayland, app, "maximized-by-key.png", maximized, "weston's Super+Shift+M")
        wayland.press_maximize_key((0, PANEL_HEIGHT, 0, 0))
        normal = wait_for_box(wayland, app, "restored-by-key.png", lambda box: box[2:] == normal[2:],
                              "weston's Super+Shift+M a second time")

        # weston's Super+right-button drag resizes any window; this one keeps its size.
        corner = (normal[0] + normal[2] - 20, normal[1] + normal[3] - 20)
        desktop.run(["xdotool", "mousemove", str(corner[0]), str(corner[1]), "keydown", "super", "mousedown", "3",
                     "mousemove", str(corner[0] + 60), str(corner[1] + 50), "sleep", "0.3",
                     "mousemove", str(corner[0] + 120), str(corner[1] + 100), "sleep", "0.3", "mouseup", "3",
                     "keyup", "super"])
        dragged = wayland.window_box("after-resize-drag.png")
        if not app.running() or dragged[2:] != normal[2:]:
            fail("a resize drag made the window %s (it was %s); running: %s" % (dragged, normal, app.running()))

        second = generate_password(wayland, app, normal, previous=first)
        if not app.running():
            fail("the program exited with status %s; stderr:\n%s" % (app.process.returncode, app.stderr()))
        if not second or len(second) != PASSWORD_LENGTH:
            fail("after maximising and restoring, the button put %r on the clipboard, not a new password" % (second,))
    print("ok")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
