"""A display of its own, a person's keyboard on it, and what the windows on it show.

The display is an Xvfb server; keys reach it through XTest (xdotool), as a person's keyboard
reaches the X server: a modifier is a key pressed down before, and let go after, the key it
modifies. What the windows show is read by a platform's reader into Window and Control values.
"""

import dataclasses
import os
import shutil
import subprocess
import time


class JourneyFailed(Exception):
    """What a person would have seen go wrong."""


class Skip(Exception):
    """A tool the journey needs is not installed."""


@dataclasses.dataclass(eq=False)
class Control:
    key: str  # which control it is, whatever it shows
    name: str  # the accessible name a screen reader says
    role: str  # text, list, radio, check, button, label, group
    text: str = ""  # a box's text, a list's chosen item
    focused: bool = False
    visible: bool = True
    read_only: bool = False
    checked: bool = False
    expanded: bool = False  # a list that shows its items
    description: str = ""  # what a screen reader adds after the name: the tooltip

    def __eq__(self, other):
        return isinstance(other, Control) and other.key == self.key

    def __hash__(self):
        return hash(self.key)

    def said(self):
        """What a screen reader says first: the name, or what it is when it has none."""
        return self.name or f"(unnamed {self.role} {self.text!r})"

    def __str__(self):
        state = [s for s, on in (("focused", self.focused), ("hidden", not self.visible),
                                 ("read-only", self.read_only), ("checked", self.checked),
                                 ("expanded", self.expanded)) if on]
        return f"{self.role} {self.name!r} text={self.text!r} {' '.join(state)}".rstrip()


@dataclasses.dataclass
class Window:
    title: str
    controls: list
    active: bool = False
    text: str = ""  # what a message box says

    def find(self, name, role=None):
        """The visible control of that name (and role), or None. A label is found only by
        its role: a caption has the name of what it names."""
        for control in self.controls:
            if control.visible and control.name == name and (
                    control.role == role if role or control.role in ("label", "group")
                    else True):
                return control
        return None

    def focused(self):
        for control in self.controls:
            if control.focused:
                return control
        return None

    def describe(self):
        lines = [f"window {self.title!r}{' (active)' if self.active else ''}"]
        lines += [f"  {c}" for c in self.controls if c.visible and c.role != "label"]
        return "\n".join(lines)


def require(*tools):
    for tool in tools:
        if shutil.which(tool) is None:
            raise Skip(f"{tool} is not installed")


class Display:
    """An Xvfb server for one journey, ended with it."""

    def __init__(self, work):
        require("Xvfb", "xdotool")
        self.work = work
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-dpi", "96",
             "-nolisten", "tcp"], pass_fds=(write,), stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(work, "xvfb.log"), "w"))
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise JourneyFailed("Xvfb did not start (xvfb.log)")
        self.name = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.name)

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(10)
        except subprocess.TimeoutExpired:
            self.server.kill()

    def screenshot(self, path):
        """The whole screen as a picture, where ImageMagick is installed."""
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # A person's keyboard. Key names are X keysyms; "shift+Tab" presses Shift, then Tab.

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=30)

    def keys(self, *names):
        self._xdotool("key", "--delay", "80", *names)

    def type(self, text):
        self._xdotool("type", "--delay", "80", text)

    def press(self, name):
        self._xdotool("keydown", name)

    def release(self, name):
        self._xdotool("keyup", name)

    def click(self, x, y):
        self._xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


class Program:
    """What both platforms' programs do alike; a backend gives `windows()`, `process` and
    `exit_timeout`."""

    process = None
    exit_timeout = 20

    def main(self):
        for window in self.windows():
            if window.title.startswith("Quillbit"):
                return window
        return None

    def wait_exit(self):
        try:
            return self.process.wait(self.exit_timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailed(
                f"the program still runs {self.exit_timeout} s after its window closed")

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()


def wait_for(read, check, what, timeout=10.0):
    """Reads until check(value) holds and returns the value; fails with the last one read."""
    deadline = time.monotonic() + timeout
    value = None
    while True:
        value = read()
        if check(value):
            return value
        if time.monotonic() > deadline:
            raise JourneyFailed(f"{what} (after {timeout:g} s); last seen:\n{describe(value)}")
        time.sleep(0.15)


def describe(value):
    if isinstance(value, list):
        return "\n".join(describe(v) for v in value) or "(nothing)"
    if isinstance(value, Window):
        return value.describe()
    return str(value)
