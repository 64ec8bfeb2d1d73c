#!/usr/bin/python3
"""A Wayland session with no X server: where a compositor runs but Qt's
Wayland platform plugin is not installed, the one line says that the plugin
is missing and names its package, also when the plugin is asked for by
name (QT_QPA_PLATFORM=wayland); where no compositor runs, it asks for a
running display as before, with the plugin there or not.

The plugin may be installed here, so the program runs in a private mount
namespace where Qt's platforms directory holds only the X11 plugin. Exits
with 77 (skipped) where mount namespaces are not available."""

import os
import shutil
import subprocess
import sys

from desktop_session import DesktopSession, end_process, fail, wait_until

SKIPPED = 77
MISSING_PLUGIN = ("a Wayland compositor is running", "qt6-wayland")
ASKED_FOR_MISSING_PLUGIN = ('Could not find the Qt platform plugin "wayland"', "qt6-wayland")
ASK_FOR_DISPLAY = ("cannot open a display (is DISPLAY or WAYLAND_DISPLAY set to a running one?)",)
SOCKET = "wayland-0"  # libwayland's name when WAYLAND_DISPLAY is unset


def platforms_directory():
    plugins = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_PLUGINS"], capture_output=True,
                             text=True, check=True).stdout.strip()
    return os.path.join(plugins, "platforms")


def hiding_plugins_but_xcb(scratch):
    """The argv prefix that runs a program with only the X11 platform plugin
    in sight, or None where this system cannot make mount namespaces."""
    only_xcb = os.path.join(scratch, "only-xcb")
    os.mkdir(only_xcb)
    shutil.copy2(os.path.join(platforms_directory(), "libqxcb.so"), only_xcb)
    prefix = ["unshare", "--mount", "sh", "-c", 'mount --bind "$1" "$2" && exec "$3"', "sh",
              only_xcb, platforms_directory()]
    probe = subprocess.run(prefix + ["/bin/true"], capture_output=True)
    return prefix if probe.returncode == 0 else None


def start_weston(runtime_dir, log_path):
    """A headless compositor listening on <runtime_dir>/wayland-0."""
    log = open(log_path, "wb")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--socket=" + SOCKET, "--idle-time=0"],
        env={"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": runtime_dir},
        stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    if not wait_until(lambda: os.path.exists(os.path.join(runtime_dir, SOCKET)) or weston.poll() is not None):
        end_process(weston)
        fail("weston did not come up (see %s)" % log_path)
    if weston.poll() is not None:
        fail("weston ended with status %s (see %s)" % (weston.returncode, log_path))
    return weston


def main(program, artifacts):
    with DesktopSession(program, artifacts) as desktop:
        hidden = hiding_plugins_but_xcb(desktop.scratch)
        if hidden is None:
            print("SKIPPED: no mount namespaces here (unshare --mount failed), so the plugin cannot be hidden")
            sys.exit(SKIPPED)
        with_compositor = desktop.runtime_dir
        without_compositor = os.path.join(desktop.scratch, "empty-runtime")
        os.mkdir(without_compositor, 0o700)
        socket_path = os.path.join(with_compositor, SOCKET)
        # (name, argv prefix, XDG_RUNTIME_DIR, WAYLAND_DISPLAY, QT_QPA_PLATFORM, what the line says)
        cases = [
            ("compositor-by-name-no-plugin", hidden, with_compositor, SOCKET, None, MISSING_PLUGIN),
            ("compositor-by-path-no-plugin", hidden, without_compositor, socket_path, None, MISSING_PLUGIN),
            ("compositor-by-default-no-plugin", hidden, with_compositor, None, None, MISSING_PLUGIN),
            ("wayland-asked-for-no-plugin", hidden, with_compositor, SOCKET, "wayland", ASKED_FOR_MISSING_PLUGIN),
            ("no-compositor-no-plugin", hidden, without_compositor, SOCKET, None, ASK_FOR_DISPLAY),
            ("no-compositor-plugin-as-installed", (), without_compositor, SOCKET, None, ASK_FOR_DISPLAY),
            ("nothing-at-all", (), without_compositor, None, None, ASK_FOR_DISPLAY),
        ]
        weston = start_weston(with_compositor, os.path.join(desktop.artifacts, "weston.log"))
        try:
            # The hiding itself: Qt lists the plugins it can see.
            app = desktop.start_program(name="plugins-in-sight", argv_prefix=hidden,
                                        QT_QPA_PLATFORM="no-such-platform")
            app.wait_for_exit()
            if "Available platform plugins are: xcb." not in app.stderr():
                fail("more than the X11 plugin in sight in the namespace:\n%s" % app.stderr())

            for name, prefix, runtime_dir, wayland_display, platform, expected in cases:
                app = desktop.start_program(name=name, argv_prefix=prefix, DISPLAY=None, QT_QPA_PLATFORM=platform,
                                            XDG_RUNTIME_DIR=runtime_dir, WAYLAND_DISPLAY=wayland_display)
                status = app.wait_for_exit()
                lines = app.stderr().splitlines()
                if status != 1 or len(lines) != 1:
                    fail("%s: status %s and %d lines on stderr, expected 1 and 1:\n%s"
                         % (name, status, len(lines), app.stderr()))
                for part in expected:
                    if part not in lines[0]:
                        fail("%s: %r does not say %r" % (name, lines[0], part))
                print("%s: %s" % (name, lines[0]))
        finally:
            end_process(weston)


if __name__ == "__main__":
    main(*sys.argv[1:3])
