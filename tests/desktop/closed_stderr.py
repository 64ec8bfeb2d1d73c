#!/usr/bin/python3
"""Started with standard error closed, as some launchers start programs, the
program still opens its window, the button still puts a password on the
clipboard and File > Quit still ends it with status 0. Without
XDG_RUNTIME_DIR Qt warns at start, and with the debug log on each password
writes its lines: none of it may land in the X connection that took the
closed descriptor's number."""

import sys

from desktop_session import DesktopSession, fail

CLOSING_STDERR = ("sh", "-c", 'exec "$0" 2>&-')
START_LENGTH = 32  # the slider's position at start

CASES = [
    ("with-runtime-dir", {}),
    ("without-runtime-dir", {"XDG_RUNTIME_DIR": None}),
    ("debug-log-on", {"QT_LOGGING_RULES": "framework.debuglog.debug=true"}),
]


def main(program, artifacts):
    with DesktopSession(program, artifacts, window_manager=True) as desktop:
        for name, environment in CASES:
            app = desktop.start_program(name=name, argv_prefix=CLOSING_STDERR, **environment)
            window = app.wait_for_window()
            password = app.press_button(window)
            if len(password) != START_LENGTH:
                fail("%s: the clipboard holds %r, not a password of %d characters" % (name, password, START_LENGTH))
            desktop.key("ctrl+q")
            status = app.wait_for_exit()
            if status != 0:
                fail("%s: File > Quit ended the program with status %s" % (name, status))
            print("%s: window shown, password copied, status 0" % name)


if __name__ == "__main__":
    main(*sys.argv[1:3])
