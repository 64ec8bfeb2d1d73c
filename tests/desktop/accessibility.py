"""What the desktop scripts share to look at the program through AT-SPI, as
a screen reader does. Import it first: the script then runs again inside a
D-Bus session of its own (at-spi2-core's bus launcher is started on it by
D-Bus activation), which ends with the script; start the program with
`bus_environment()`.
"""

import os
import shutil
import subprocess
import sys
import tempfile

if "PWGEN_PRIVATE_DBUS" not in os.environ:
    # The bus launcher puts its socket in the runtime directory, under a
    # name of its own: a directory of this run's keeps scripts that run at
    # the same time off each other's accessibility bus.
    runtime_dir = tempfile.mkdtemp(prefix="pwgen-atspi-")
    try:
        status = subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv,
                                 env=dict(os.environ, PWGEN_PRIVATE_DBUS="1", XDG_RUNTIME_DIR=runtime_dir))
    finally:
        shutil.rmtree(runtime_dir, ignore_errors=True)
    sys.exit(status)

import gi  # noqa: E402
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402,F401  (for the scripts' roles and states)


def bus_environment():
    """What the program needs to join this session's accessibility bus."""
    return {"DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


def accessibles(pid):
    """Every accessible of the AT-SPI tree of process `pid`."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is None or app.get_process_id() != pid:
            continue
        pending = [app]
        while pending:
            node = pending.pop()
            yield node
            pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))


def find(pid, role, name=None):
    """The first accessible of process `pid` of `role` (and `name`), or None."""
    for node in accessibles(pid):
        if node.get_role() == role and (name is None or node.get_name() == name):
            return node
    return None
