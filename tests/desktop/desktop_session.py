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
import signal
import subprocess
import tempfile
import time

TITLE = "Password Generator"


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

    def wait_for_window(self, timeout=15.0):
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


class DesktopSession:
    """A private Xvfb (and, with window_manager=True, openbox) on a display
    number that Xvfb picks itself."""

    def __init__(self, program, artifacts, window_manager=False, screen="1024x768x24"):
        self.program = os.path.realpath(program)
        self.artifacts = os.path.realpath(artifacts)
        self.window_manager = window_manager
        self.screen = screen
        self.scratch = None
        self.display = None
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
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=log)
        os.close(write_end)
        self._processes.append(xvfb)
        # Xvfb writes its display number once it accepts clients.
        with os.fdopen(read_end, "rb") as numbers:
            number = numbers.readline().strip()
        if not number:
            fail("Xvfb did not start (see %s)" % log.name)
        self.display = ":" + number.decode()

    def _start_window_manager(self):
        log = open(os.path.join(self.artifacts, "openbox.log"), "wb")
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.environment(),
                              stdout=log, stderr=subprocess.STDOUT)
        self._processes.append(wm)

        def running():
            out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
            return "window id" in out
        if not wait_until(running, 10):
            fail("the window manager did not come up")

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
        """The first visible window of process `pid` named `title`, or None."""
        result = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", "^%s$" % title],
            env=self.environment(), capture_output=True, timeout=10)
        ids = result.stdout.split()
        return int(ids[0]) if ids else None

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
