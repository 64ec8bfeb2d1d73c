"""A private desktop for tests of the real program: an X server (Xvfb) of
its own, optionally a window manager, and the program started in it with a
clean environment. Everything started here is ended by its process id when
the session closes.

    with DesktopSession(program, artifacts) as desktop:
        app = desktop.start_program()
        window = app.wait_for_window()
        desktop.screenshot("shot.png")
"""

import os
import shutil
import subprocess
import tempfile
import time

TITLE = "Password Generator"
# The window's content area, below its menu bar, and the controls' places
# in it (x, y, width, height), as the window shows them.
CONTENT_HEIGHT = 209
TEXT_AREA = (20, 20, 444, 89)
USE_CAPS = (480, 21, 126, 24)
SLIDER = (20, 117, 444, 27)
LABEL = (480, 117, 100, 20)
BUTTON = (20, 149, 560, 47)


def centre(box):
    """The centre (x, y) of a box (x, y, width, height)."""
    left, top, width, height = box
    return left + width // 2, top + height // 2


def fail(message):
    """Ends the test with one line that says what went wrong."""
    raise AssertionError(message)


def wait_until(predicate, timeout=10.0, interval=0.05):
    """Polls `predicate` until it gives a true value, which it returns;
    gives None once `timeout` seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def make_cookie():
    """A fresh MIT-MAGIC-COOKIE-1 value, as hex."""
    return os.urandom(16).hex()


def add_cookie(path, display, cookie):
    """Adds a cookie for `display` to the authority file at `path`."""
    subprocess.run(["xauth", "-q", "-f", path, "add", display, "MIT-MAGIC-COOKIE-1", cookie],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def end_process(process, grace=5.0):
    """Ends a child started here (TERM, then KILL) and reaps it."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Program:
    """One run of the program: its process, its standard error in a file."""

    def __init__(self, desktop, process, stderr_path):
        self.desktop = desktop
        self.process = process
        self.stderr_path = stderr_path

    def stderr(self):
        with open(self.stderr_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def running(self):
        return self.process.poll() is None

    def wait_for_window(self, timeout=30.0):
        """The id of the program's visible top-level window titled TITLE;
        fails if the program ends or no such window shows in time."""
        def found():
            if not self.running():
                fail("the program exited with status %s before showing its window; stderr:\n%s"
                     % (self.process.returncode, self.stderr()))
            return self.desktop.find_window(TITLE, self.process.pid)
        window = wait_until(found, timeout)
        if not window:
            fail("no visible window titled %r within %.0f s" % (TITLE, timeout))
        return window

    def wait_for_exit(self, timeout=10.0):
        """The exit status (negative for a signal); fails if still running."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            fail("the program is still running %.0f s after it should have ended" % timeout)

    def end(self):
        end_process(self.process)

    def press_button(self, window):
        """Clicks the button; gives the new text it put on the clipboard, or
        fails when none came."""
        before = self.desktop.clipboard()
        self.desktop.click_content(window, *centre(BUTTON))

        def changed():
            text = self.desktop.clipboard()
            return text if text != before else None
        after = wait_until(changed)
        if after is None:
            if not self.running():
                fail("the program ended with status %s after the button was pressed" % self.process.returncode)
            fail("the button put nothing new on the clipboard")
        return after


class DesktopSession:
    """A private Xvfb (and, with window_manager=True, openbox) on a display
    number that Xvfb picks itself; start_weston() adds a Wayland compositor.
    With authorization=True the server admits only clients that present its
    cookie; the session's clients find it in the file `xauthority`
    (XAUTHORITY)."""

    def __init__(self, program, artifacts, window_manager=False, screen="1024x768x24", authorization=False):
        self.program = os.path.realpath(program)
        self.artifacts = os.path.realpath(artifacts)
        self.window_manager = window_manager
        self.screen = screen
        self.authorization = authorization
        self.scratch = None
        self.display = None
        self.xauthority = None
        self._processes = []
        self._programs = []

    # --- life ---------------------------------------------------------------

    def __enter__(self):
        os.makedirs(self.artifacts, exist_ok=True)
        self.scratch = tempfile.mkdtemp(prefix="pwgen-desktop-")
        self.runtime_dir = os.path.join(self.scratch, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        try:
            self._start_xvfb()
            if self.window_manager:
                self._start_window_manager()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for program in self._programs:
            program.end()
        for process in reversed(self._processes):
            end_process(process)
        if self.scratch:
            shutil.rmtree(self.scratch, ignore_errors=True)
        return False

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.artifacts, "xvfb.log"), "wb")
        auth = []
        if self.authorization:
            # The server takes every cookie in its file, whatever display
            # the entry names; the clients' entry needs the real number.
            self.cookie = make_cookie()
            server_auth = os.path.join(self.scratch, "server.xauth")
            add_cookie(server_auth, ":0", self.cookie)
            auth = ["-auth", server_auth]
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten", "tcp"] + auth,
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=log)
        os.close(write_end)
        self._processes.append(xvfb)
        # Xvfb writes its display number once it accepts clients.
        with os.fdopen(read_end, "rb") as numbers:
            number = numbers.readline().strip()
        if not number:
            fail("Xvfb did not start (see %s)" % log.name)
        self.display = ":" + number.decode()
        if self.authorization:
            self.xauthority = os.path.join(self.scratch, "client.xauth")
            add_cookie(self.xauthority, self.display, self.cookie)

    def _start_window_manager(self):
        log = open(os.path.join(self.artifacts, "openbox.log"), "wb")
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.environment(),
                              stdout=log, stderr=subprocess.STDOUT)
        self._processes.append(wm)

        def running():
            if wm.poll() is not None:
                fail("the window manager ended with status %s (see %s)" % (wm.returncode, log.name))
            try:
                out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
            except subprocess.TimeoutExpired:
                return False  # a loaded machine: ask again
            return "window id" in out
        # Generous: under the sanitizers and a full parallel suite a start
        # can take many seconds.
        if not wait_until(running, 30):
            fail("the window manager did not come up within 30 s")

    def start_weston(self):
        """Starts weston as a client of this X server (its x11 backend, one
        output the size of the screen, its default desktop shell, no user
        configuration) with a socket of its own in this session's runtime
        directory. Gives the socket's name, for WAYLAND_DISPLAY; weston's X
        window, where its input arrives, is then `weston_window`."""
        socket = "pwgen-wayland-%d" % os.getpid()
        width, height = self.screen.split("x")[:2]
        log = open(os.path.join(self.artifacts, "weston.log"), "wb")
        weston = subprocess.Popen(
            ["weston", "--no-config", "--backend=x11-backend.so", "--socket=" + socket,
             "--width=" + width, "--height=" + height, "--idle-time=0"],
            env=self.environment(), stdout=log, stderr=subprocess.STDOUT)
        self._processes.append(weston)

        def up():
            if weston.poll() is not None:
                fail("weston exited with status %s (see %s)" % (weston.returncode, log.name))
            if not os.path.exists(os.path.join(self.runtime_dir, socket)):
                return None
            out = self.run(["xdotool", "search", "--class", "^Weston Compositor$"], check=False)
            return int(out.split()[0]) if out.split() else None
        self.weston_window = wait_until(up, 15)
        if not self.weston_window:
            fail("weston did not come up (see %s)" % log.name)
        return socket

    # --- the program ----------------------------------------------------------

    def environment(self, **overrides):
        """A clean environment for a client of this display. A value of None
        in `overrides` removes that variable."""
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": os.environ.get("HOME", "/root"),
            "LC_ALL": "C",
            "DISPLAY": self.display,
            "XDG_RUNTIME_DIR": self.runtime_dir,
            "XDG_CONFIG_HOME": os.path.join(self.scratch, "config"),
            "QT_QPA_PLATFORM": "xcb",
        }
        if self.xauthority:
            env["XAUTHORITY"] = self.xauthority
        # Sanitizer builds read their options from the test's environment.
        for name in ("LSAN_OPTIONS", "ASAN_OPTIONS", "UBSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        for name, value in overrides.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        return env

    def start_program(self, name="program", argv_prefix=(), stderr=None, **env_overrides):
        """Starts the program; its standard error goes to
        <artifacts>/<name>.stderr unless `stderr` gives a descriptor (or
        subprocess.DEVNULL, or a closed one through argv_prefix)."""
        stderr_path = os.path.join(self.artifacts, name + ".stderr")
        stderr_file = open(stderr_path, "wb") if stderr is None else stderr
        process = subprocess.Popen(list(argv_prefix) + [self.program], env=self.environment(**env_overrides),
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=stderr_file)
        program = Program(self, process, stderr_path)
        self._programs.append(program)
        return program

    # --- looking at the display -------------------------------------------------

    def run(self, argv, check=True, timeout=10, input=None):
        """Runs a client of this display; gives its standard output."""
        result = subprocess.run(argv, env=self.environment(), capture_output=True, timeout=timeout, input=input)
        if check and result.returncode != 0:
            fail("%s failed (%d): %s" % (argv[0], result.returncode, result.stderr.decode(errors="replace")))
        return result.stdout.decode(errors="replace")

    def find_window(self, title, pid):
        """The first visible window of process `pid` named `title`, or None,
        also when the search did not answer in time (on a loaded machine it
        may stall; the caller polls again)."""
        try:
            result = subprocess.run(
                ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", "^%s$" % title],
                env=self.environment(), capture_output=True, timeout=10)
        except subprocess.TimeoutExpired:
            return None
        ids = result.stdout.split()
        return int(ids[0]) if ids else None

    def clipboard(self):
        """The text on the clipboard, "" when there is none."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=self.environment(),
                                capture_output=True, timeout=10)
        return result.stdout.decode(errors="replace") if result.returncode == 0 else ""

    def click_content(self, window, x, y):
        """Clicks at (x, y) of the window's content area, below its menu bar."""
        _, height = self.window_size(window)
        self.run(["xdotool", "mousemove", "--window", str(window),
                  str(x), str(height - CONTENT_HEIGHT + y), "click", "1"])

    def key(self, *keys):
        """Types keys into the focused window."""
        self.run(["xdotool", "key", "--clearmodifiers"] + list(keys))
    def pixels(self, path, box):
        """The pixels of the box (left, top, width, height) of a PNG, as rows
        of (red, green, blue)."""
        left, top, width, height = box
        raw = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, left, top), "+repage",
                              "-depth", "8", "rgb:-"], capture_output=True, check=True, timeout=30).stdout
        if len(raw) != width * height * 3:
            fail("%s holds no box %r" % (path, box))
        return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(height)]

    def window_size(self, window):
        """The window's (width, height)."""
        out = self.run(["xdotool", "getwindowgeometry", "--shell", str(window)])
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def screenshot(self, file_name, window="root"):
        """Saves the screen (or one window) to <artifacts>/<file_name>; gives the path."""
        path = os.path.join(self.artifacts, file_name)
        self.run(["import", "-window", str(window), path])
        return path
