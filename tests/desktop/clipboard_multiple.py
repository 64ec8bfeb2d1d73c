"""The clipboard's MULTIPLE target, asked for by another X client.

    clipboard_multiple.py <path-to-password-generator> <artifacts-dir>

The program is made to own the CLIPBOARD (the button, as a person pushes it;
xclip reads the password back), then a second X client (this script, through
python3-xlib) sends it ConvertSelection requests for the MULTIPLE target:

- malformed ones (the table MALFORMED: an odd number of atoms, which Qt 6.4
  on its own answers by writing past a heap buffer, and the other shapes the
  program refuses) must each be answered with a refusal, a SelectionNotify
  whose property is None, and leave the program running and still serving
  the password to xclip;
- well-formed ones (the table WELL_FORMED) must still be answered: the
  properties the pairs name hold what was asked for, the password as xclip
  reads it for UTF8_STRING.

At the end the window is closed and the program must end with status 0 and
nothing on standard error (under the asan preset: no sanitizer report).
"""

import os
import re
import select
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import BUTTON, TEXT_AREA, DesktopSession, centre, fail, wait_until  # noqa: E402
from Xlib import X, Xatom  # noqa: E402
from Xlib import display as xdisplay  # noqa: E402
from Xlib.protocol import event as xevent  # noqa: E402

PASSWORD_RE = re.compile(r"^[a-zA-Z0-9!#$%&/()=?*+:;,.-]{32}$")

# The most pairs one MULTIPLE request may name (framework/ui/xcb_selection_guard.h).
MOST_PAIRS = 1024


class Case:
    """One MULTIPLE request on `selection`. Its property PWGEN_MULTIPLE holds
    `atoms` (a count of atoms: pairs UTF8_STRING -> PWGEN_OUT, then the odd
    one; or a list of atom names; None: no such property), of `format` and
    of `type` (None: ATOM_PAIR; "self": the property's own name, as libXt
    writes it). `no_property` asks with property None instead."""

    def __init__(self, name, atoms=None, selection="CLIPBOARD", format=32, type=None, no_property=False):
        self.name = name
        self.atoms = atoms
        self.selection = selection
        self.format = format
        self.type = type
        self.no_property = no_property


# Malformed: each is refused. Qt 6.4 on its own writes past a heap buffer for
# the odd counts (the release build aborts, under AddressSanitizer a
# heap-buffer-overflow), leaks for the empty list, and refuses the rest.
MALFORMED = [
    Case("1 atom", atoms=1),
    Case("7 atoms", atoms=7),
    Case("1023 atoms", atoms=1023),
    Case("7 atoms, on PRIMARY", atoms=7, selection="PRIMARY"),
    Case("7 atoms, typed as libXt does", atoms=7, type="self"),
    Case("8 atoms of format 8", atoms=8, format=8),
    Case("8 atoms of format 16", atoms=8, format=16),
    Case("property None", no_property=True),
    Case("no such property", atoms=None),
    Case("empty list", atoms=0),
    Case("%d pairs, one past the most taken" % (MOST_PAIRS + 1), atoms=2 * (MOST_PAIRS + 1)),
]

# Well-formed: each is answered, with the property of the request, and the
# properties its pairs name hold what they ask for.
WELL_FORMED = [
    Case("UTF8_STRING and TARGETS", atoms=["UTF8_STRING", "PWGEN_OUT1", "TARGETS", "PWGEN_OUT2"]),
    Case("UTF8_STRING and TARGETS, typed as libXt does",
         atoms=["UTF8_STRING", "PWGEN_OUT1", "TARGETS", "PWGEN_OUT2"], type="self"),
    Case("UTF8_STRING and TARGETS, on PRIMARY", atoms=["UTF8_STRING", "PWGEN_OUT1", "TARGETS", "PWGEN_OUT2"],
         selection="PRIMARY"),
    Case("%d pairs, the most taken" % MOST_PAIRS, atoms=["UTF8_STRING", "PWGEN_OUT1"] * MOST_PAIRS),
]


def xclip(desktop, selection="clipboard", target=None):
    argv = ["xclip", "-selection", selection, "-o"]
    if target:
        argv += ["-t", target]
    return desktop.run(argv, check=False, timeout=10)


class Requestor:
    """A second X client with a window of its own that asks for selections."""

    def __init__(self, display_name):
        self.display = xdisplay.Display(display_name)
        root = self.display.screen().root
        self.window = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, X.InputOnly, X.CopyFromParent)
        self.display.flush()
        self.atoms = {}

    def close(self):
        self.display.close()

    def atom(self, name):
        if name not in self.atoms:
            self.atoms[name] = self.display.intern_atom(name)
        return self.atoms[name]

    def name(self, atom):
        return self.display.get_atom_name(atom)

    def set_property(self, prop, type, format, values):
        self.window.change_property(prop, type, format, values)
        self.display.sync()

    def get_property(self, prop):
        return self.window.get_full_property(prop, X.AnyPropertyType)

    def convert(self, selection, target, prop, timeout=5.0):
        """Sends ConvertSelection and gives the SelectionNotify that answers
        it, or None if none comes within `timeout` seconds."""
        self.window.convert_selection(selection, target, prop, X.CurrentTime)
        self.display.flush()
        deadline = time.monotonic() + timeout
        while True:
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.SelectionNotify and event.requestor.id == self.window.id:
                    return event
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return None
            select.select([self.display], [], [], remaining)

    def close_window(self, window_id):
        """Asks the window to close, as a window manager does (WM_DELETE_WINDOW)."""
        protocols = self.atom("WM_PROTOCOLS")
        message = xevent.ClientMessage(window=window_id, client_type=protocols,
                                       data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        self.display.send_event(window_id, message)
        self.display.sync()


def click_centre(desktop, window, control):
    """Clicks the centre of a control (x, y, w, h) of the content area."""
    desktop.click_content(window, *centre(control))


def select_text_area(desktop, window):
    """Selects the text area's text (click, Ctrl+A): the program then owns PRIMARY too."""
    click_centre(desktop, window, TEXT_AREA)
    desktop.run(["xdotool", "key", "--clearmodifiers", "ctrl+a"])
    wait_until(lambda: xclip(desktop, "primary"), timeout=5)


def push_button(desktop, window):
    """Clicks the button; gives the password it put on the clipboard."""
    click_centre(desktop, window, BUTTON)
    password = wait_until(lambda: PASSWORD_RE.match(xclip(desktop)) and xclip(desktop), timeout=10)
    if not password:
        fail("the button put no password on the clipboard (it holds %r)" % xclip(desktop))
    return password


def send(requestor, case):
    """Sets the property for `case` on the requestor's window and sends the
    request; gives the answer (None if none came)."""
    prop = requestor.atom("PWGEN_MULTIPLE")
    requestor.window.delete_property(prop)
    if isinstance(case.atoms, int):
        names = ["UTF8_STRING" if i % 2 == 0 else "PWGEN_OUT" for i in range(case.atoms)]
    else:
        names = case.atoms
    if names is not None:
        atoms = [requestor.atom(name) for name in names]
        type = prop if case.type == "self" else requestor.atom(case.type or "ATOM_PAIR")
        if case.format == 32:
            values = atoms
        elif case.format == 16:
            values = [half for a in atoms for half in (a & 0xFFFF, a >> 16)]
        else:
            values = b"".join(a.to_bytes(4, "little") for a in atoms)
        requestor.set_property(prop, type, case.format, values)
    return requestor.convert(requestor.atom(case.selection), requestor.atom("MULTIPLE"),
                             X.NONE if case.no_property else prop, timeout=20)


def check_answer_names(requestor, case, answer):
    if answer is None:
        fail("no answer within 20 s")
    if answer.target != requestor.atom("MULTIPLE") or answer.selection != requestor.atom(case.selection):
        fail("the answer is for %s on %s" % (requestor.name(answer.target), requestor.name(answer.selection)))


def check_refused(requestor, case, owner):
    answer = send(requestor, case)
    owner.check_running()
    check_answer_names(requestor, case, answer)
    if answer.property != X.NONE:
        fail("answered with property %s, not refused" % requestor.name(answer.property))
    owner.check_serves_clipboard()


def check_answered(requestor, case, owner):
    outs = {name: requestor.atom(name) for name in case.atoms[1::2]}
    for out in outs.values():
        requestor.window.delete_property(out)
    answer = send(requestor, case)
    owner.check_running()
    check_answer_names(requestor, case, answer)
    if answer.property != requestor.atom("PWGEN_MULTIPLE"):
        fail("answered with property %s, not PWGEN_MULTIPLE"
             % ("None" if answer.property == X.NONE else requestor.name(answer.property)))
    password = xclip(owner.desktop, case.selection.lower())
    if password != owner.password:
        fail("xclip read %r from %s, not the password" % (password, case.selection))
    for target, out in zip(case.atoms[0::2], case.atoms[1::2]):
        value = requestor.get_property(outs[out])
        if value is None:
            fail("nothing in %s for %s" % (out, target))
        if target == "UTF8_STRING":
            text = value.value.decode("utf-8", "replace") if isinstance(value.value, bytes) else str(value.value)
            if text != password:
                fail("%s holds %r, xclip read %r" % (out, text, password))
        elif target == "TARGETS":
            if value.property_type != Xatom.ATOM:
                fail("%s holds no list of atoms" % out)
            names = {requestor.name(a) for a in value.value}
            for needed in ("UTF8_STRING", "TARGETS", "MULTIPLE"):
                if needed not in names:
                    fail("TARGETS in %s lacks %s: %s" % (out, needed, sorted(names)))


class Owner:
    """A run of the program that owns CLIPBOARD (the button) and PRIMARY (the
    text area's text selected) with one password."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.runs = 0
        self.start()

    def start(self):
        self.runs += 1
        self.program = self.desktop.start_program("program" if self.runs == 1 else "program-%d" % self.runs)
        self.window = self.program.wait_for_window()
        self.password = push_button(self.desktop, self.window)
        select_text_area(self.desktop, self.window)
        if xclip(self.desktop, "primary") != self.password:
            fail("the password is not the PRIMARY selection: %r" % xclip(self.desktop, "primary"))

    def check_running(self):
        if not self.program.running():
            fail("the program ended (status %s); stderr:\n%s" % (self.program.process.returncode,
                                                                 self.program.stderr()))

    def check_serves_clipboard(self):
        self.check_running()
        if xclip(self.desktop) != self.password:
            fail("xclip read %r from the clipboard, not the password" % xclip(self.desktop))


def main():
    if len(sys.argv) != 3:
        sys.stderr.write("usage: %s <path-to-password-generator> <artifacts-dir>\n" % sys.argv[0])
        return 2
    passed = failed = 0

    def scenario(name, check, *args):
        nonlocal passed, failed
        try:
            check(*args)
        except AssertionError as error:
            failed += 1
            print("FAIL: %s: %s" % (name, error), flush=True)
        else:
            passed += 1
            print("PASS: %s" % name, flush=True)

    with DesktopSession(sys.argv[1], sys.argv[2]) as desktop:
        owner = Owner(desktop)
        requestor = Requestor(desktop.display)
        try:
            for case in MALFORMED:
                scenario("refused: " + case.name, check_refused, requestor, case, owner)
                # A run that a request ended is replaced, so that every row
                # is tried.
                if not owner.program.running():
                    owner.start()
            for case in WELL_FORMED:
                scenario("answered: " + case.name, check_answered, requestor, case, owner)
            scenario("clipboard still served at the end", owner.check_serves_clipboard)
            if owner.program.running():
                requestor.close_window(owner.window)
        finally:
            requestor.close()

        def ended():
            program = owner.program
            status = program.wait_for_exit()
            if status != 0:
                fail("exit status %s after the window was closed; stderr:\n%s" % (status, program.stderr()))
            if program.stderr():
                fail("the program wrote to stderr:\n%s" % program.stderr())
        scenario("closing the window ends it with status 0 and a clean stderr", ended)

    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
