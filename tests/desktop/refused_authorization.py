#!/usr/bin/python3
"""An X server that runs but refuses the program for want of its cookie (a
stale XAUTHORITY, a run through su): the program says in one line that the
server refused it, with the server's reason, and ends with status 1. With
the server's cookie the same start opens the window, so the refusal is all
that differs."""

import os
import sys

from desktop_session import DesktopSession, add_cookie, fail, make_cookie

# (name, the XAUTHORITY file's cookie or None for an empty file, what the
# X server gives as its reason)
REFUSALS = [
    ("another-cookie", make_cookie(), "Invalid MIT-MAGIC-COOKIE-1 key"),
    ("no-cookie", None, "Authorization required"),
]


def main(program, artifacts):
    with DesktopSession(program, artifacts, authorization=True) as desktop:
        app = desktop.start_program(name="server-cookie")
        app.wait_for_window()
        app.end()

        for name, cookie, server_reason in REFUSALS:
            xauthority = os.path.join(desktop.scratch, name + ".xauth")
            open(xauthority, "wb").close()
            if cookie:
                add_cookie(xauthority, desktop.display, cookie)
            app = desktop.start_program(name=name, XAUTHORITY=xauthority)
            status = app.wait_for_exit()
            lines = app.stderr().splitlines()
            if status != 1 or len(lines) != 1:
                fail("%s: status %s and %d lines on stderr, expected 1 and 1:\n%s"
                     % (name, status, len(lines), app.stderr()))
            line = lines[0]
            for expected in ("X server at %s refused the connection" % desktop.display, server_reason, "XAUTHORITY"):
                if expected not in line:
                    fail("%s: %r does not say %r" % (name, line, expected))
            print("%s: %s" % (name, line))


if __name__ == "__main__":
    main(*sys.argv[1:3])
