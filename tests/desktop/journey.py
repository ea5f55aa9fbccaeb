"""The steps journeys share: the program, its display and the keyboard, as a person and a screen
reader meet them."""

from desktop import JourneyFailed, wait_for

FRAMES = "Total frames in movie"


class Journey:
    """The program, the display it runs on and the keyboard, with the steps journeys share."""

    def __init__(self, program, display):
        self.program = program
        self.display = display

    def main(self):
        return wait_for(self.program.main, lambda w: w is not None, "the main window is shown")

    def control(self, name, window=None):
        window = window or self.main()
        control = window.find(name)
        if control is None:
            raise JourneyFailed(f"no control is named {name!r}; the window shows:\n"
                                f"{window.describe()}")
        return control

    def window(self, title=None):
        """The main window, or the shown window of that title; None while there is none."""
        if title is None:
            return self.program.main()
        return next((w for w in self.program.windows() if w.title == title), None)

    def wait_control(self, name, check, what, timeout=10, title=None, role=None):
        def read():
            window = self.window(title)
            return window.find(name, role) if window else None
        try:
            return wait_for(read, lambda c: c is not None and check(c), what, timeout)
        except JourneyFailed as failed:
            window = self.window(title)
            raise JourneyFailed(f"{failed}\n{window.describe() if window else ''}")

    def wait_label(self, check, what, timeout=10, title=None):
        """The shown label whose text passes CHECK, as a screen reader reads it by its text."""
        def read():
            window = self.window(title)
            return next((c for c in window.controls if c.role == "label" and c.visible
                         and check(c.name)), None) if window else None
        try:
            return wait_for(read, lambda c: c is not None, what, timeout)
        except JourneyFailed as failed:
            window = self.window(title)
            raise JourneyFailed(f"{failed}\n{window.text if window else ''}")

    def focused(self):
        window = self.program.main()
        return window.focused() if window else None

    def focused_name(self):
        control = self.focused()
        return control.said() if control else None

    def tab_to(self, name, key="Tab", limit=60):
        """Presses Tab until the control of that name has the focus, as a person does; fails
        once the focus has gone round the window without finding it."""
        now = self.focused()
        first = now
        seen = []
        for _ in range(limit):
            if now is not None and now.name == name:
                return
            now = self.step(key, now)
            seen.append(now.said() if now else None)
            if first is None:
                first = now
            elif now == first:
                break
        raise JourneyFailed(f"{key} never reached {name!r}; it went through {seen}")

    def step(self, key, before, timeout=3, title=None):
        """Presses KEY and returns the control the focus moves to (or stays on) in the main
        window, or in the window of that title."""
        def focused():
            window = self.window(title)
            return window.focused() if window else None
        self.display.keys(key)
        try:
            return wait_for(focused, lambda c: c is not None and c != before, "", timeout)
        except JourneyFailed:
            return focused()

    def walk(self, key, limit=40):
        """The names the focus goes through with KEY, from where it is until it comes back."""
        start = self.focused()
        names = [start.said() if start else None]
        now = start
        for _ in range(limit):
            now = self.step(key, now)
            if now is not None and start is not None and now == start:
                return names
            names.append(now.said() if now else None)
        raise JourneyFailed(f"{key} did not come back to {names[0]!r}: {names}")

    def top_window(self, title, timeout=10):
        def read():
            return [w for w in self.program.windows() if w.title == title]
        return wait_for(read, bool, f"a window titled {title!r} is shown", timeout)[0]

    def window_gone(self, title, timeout=10):
        wait_for(self.program.windows, lambda ws: ws and all(w.title != title for w in ws),
                 f"the window {title!r} closes", timeout)


def check_order(seen, expected, optional=()):
    """Whether the stops SEEN follow EXPECTED, where OPTIONAL stops may be left out."""
    stops = []
    for name in seen:
        group = next((e for e in expected if isinstance(e, tuple) and name in e), None)
        if group is not None and stops and stops[-1] == group:
            continue  # still the same stop: another button of the option pair
        stops.append(group if group is not None else name)
    required = [e for e in expected if e not in optional]
    if [s for s in stops if s not in optional] != required:
        return False
    # Each stop once, in the expected order: a name said twice is a control misnamed.
    positions = [expected.index(s) for s in stops if s in expected]
    return len(positions) == len(stops) and all(a < b for a, b in zip(positions, positions[1:]))
