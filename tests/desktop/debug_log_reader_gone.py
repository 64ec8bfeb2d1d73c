#!/usr/bin/python3
"""With the debug log on and standard error a pipe whose reader went away
(`password-generator 2>&1 | head -1`), the next passwords are made all the
same: the program keeps running, the button keeps working, and File > Quit
ends it with status 0 rather than death by SIGPIPE."""

import os
import sys

from desktop_session import DesktopSession, fail

PASSWORDS = 3


def main(program, artifacts):
    with DesktopSession(program, artifacts, window_manager=True) as desktop:
        read_end, write_end = os.pipe()
        app = desktop.start_program(name="reader-gone", stderr=write_end,
                                    QT_LOGGING_RULES="framework.debuglog.debug=true")
        os.close(write_end)
        window = app.wait_for_window()
        os.close(read_end)
        for number in range(1, PASSWORDS + 1):
            app.press_button(window)
            if not app.running():
                fail("the program ended with status %s after password %d" % (app.process.returncode, number))
        desktop.key("ctrl+q")
        status = app.wait_for_exit()
        if status != 0:
            fail("File > Quit ended the program with status %s, expected 0" % status)
        print("%d passwords with nobody reading the log, status 0" % PASSWORDS)


if __name__ == "__main__":
    main(*sys.argv[1:3])
