#!/usr/bin/env python3
"""Journeys a person takes through the real program with a keyboard, checked as a screen reader
reads the windows. The same journeys run on the Qt program (AT-SPI) and on the Windows program
under Wine (quillbit-inspect).

    journeys.py --platform linux|windows --journey NAME --program PATH --work FOLDER ...

Ends with 0 when the journey went as expected, 1 when it did not (a screenshot of the display
is left in the work folder), 77 when a tool it needs is missing.
"""

import argparse
import os
import shutil
import subprocess
import sys
import traceback

# The source tree stays as it is: no compiled modules beside these.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Display, JourneyFailed, Skip, wait_for  # noqa: E402

FRAMES = "Total frames in movie"
# The window's tab order at start-up (Single Pass VBR: the sample rows are hidden). A tuple is
# one stop that may land on any of its controls (the format's option pair); the results may or
# may not take the focus, but where they do, it is in this order.
START_ORDER = [FRAMES, ("NTSC", "PAL"), "Forced FILM", "Frame rate (fps)",
               "Audio file(s) total size", "Audio file(s) total size unit",
               "Subtitle .bmp files size", "Subtitle .bmp files size unit",
               "Cushion (authoring, etc)", "Cushion (authoring, etc) unit",
               "Destination size", "Destination size unit", "CCE Method"]
RESULTS_ORDER = ["CCE Quality", "CCE Max", "Recommended CCE Min", "CCE Q", "Movie Length",
                 "Estimated output size unit", "Estimated output size"]
SAMPLE_ORDER = ["1% Sample Q Used", "1% Sample Final Size", "1% Sample # frames",
                "1% Sample Final Size unit"]


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


def type_frames_at_start(j):
    """Start, then type a frame count without a click: it lands in the frame count and the
    results follow."""
    j.program.start()
    j.display.type("150000")
    j.wait_control(FRAMES, lambda c: c.text == "150000",
                   "the digits typed after start-up show in the frame count")
    # A new window shows no length until it has frames.
    j.wait_control("Movie Length", lambda c: c.text != "",
                   "the movie length follows the frame count")


def tab_order(j):
    """Tab from start-up goes through every shown control in the window's order; Shift+Tab
    goes back the same way."""
    j.program.start()
    focus = j.focused_name()
    if focus != FRAMES:
        raise JourneyFailed(f"after start-up the focus is on {focus!r}, not on {FRAMES!r}")
    expected = START_ORDER + RESULTS_ORDER
    forward = j.walk("Tab")
    if not check_order(forward, expected, RESULTS_ORDER):
        raise JourneyFailed(f"Tab went through {forward}\nexpected {expected}")
    backward = j.walk("shift+Tab")
    back = [backward[0]] + backward[:0:-1]
    if not check_order(back, expected, RESULTS_ORDER):
        raise JourneyFailed(f"Shift+Tab went through {backward}\nexpected the reverse of "
                            f"{expected}")


def shift_converts_unit(j):
    """With the real Shift key held, a unit picked from the keyboard converts the size; without
    it, the number stays and is read in the new unit."""
    audio, unit = "Audio file(s) total size", "Audio file(s) total size unit"
    j.program.start()
    # A movie, so that the size of the audio counts in the results.
    j.tab_to(FRAMES)
    j.display.type("150000")
    j.wait_control("Movie Length", lambda c: c.text != "", "the results follow the frames")
    j.tab_to(audio)
    j.display.keys("ctrl+a")
    j.display.type("1536")
    j.wait_control(audio, lambda c: c.text == "1536", "the audio size shows what was typed")
    j.tab_to(unit)
    # A screen reader says which unit the list shows.
    j.wait_control(unit, lambda c: c.text == "KB", "the unit list says it shows KB")
    estimate = j.control("Estimated output size").text
    j.display.press("Shift_L")
    j.display.keys("Down")
    j.display.release("Shift_L")
    j.wait_control(audio, lambda c: c.text == "1.5",
                   "1536 KB picked as MB with Shift held shows 1.5")
    j.wait_control(unit, lambda c: c.text == "MB", "the unit list says it shows MB")
    if j.control("Estimated output size").text != estimate:
        raise JourneyFailed("a conversion recalculated the estimate")
    j.display.keys("Down")
    j.wait_control("Estimated output size", lambda c: c.text != estimate,
                   "1.5 picked as GB without Shift is read as 1.5 GB and recalculates")
    if j.control(audio).text != "1.5":
        raise JourneyFailed(f"a plain unit change rewrote the size: {j.control(audio)}")


def method_by_keyboard(j):
    """The method changed with the keyboard alone: the sample rows appear and Tab reaches them
    in the window's order; from the last of them, a list, the menu opens with the keyboard."""
    j.program.start()
    j.tab_to("CCE Method")
    j.display.keys("alt+Down")
    j.wait_control("CCE Method", lambda c: c.expanded, "Alt+Down opens the list")
    j.display.keys("Down", "Return")
    j.wait_control("CCE Method", lambda c: c.text == "Single Pass (Bach Method)",
                   "the method list says it shows the Bach method")
    j.wait_control(SAMPLE_ORDER[0], lambda c: c.visible, "the sample rows are shown")
    seen = []
    now = j.focused()
    for _ in SAMPLE_ORDER:
        now = j.step("Tab", now)
        seen.append(now.said() if now else None)
    if seen != SAMPLE_ORDER:
        raise JourneyFailed(f"Tab after the method went through {seen}\nexpected {SAMPLE_ORDER}")
    # The focus is in a drop-down list now, which must not keep the menu key to itself.
    open_about(j)
    j.display.keys("Escape")
    j.window_gone(ABOUT)


ABOUT = "About Quillbit"


def open_about(j):
    """Help, About with the keyboard alone: Alt opens the menu bar, Right past Tools to Help,
    Down opens it, Enter chooses About."""
    j.display.keys("alt")
    j.display.keys("Right", "Right", "Down", "Return")
    return j.top_window(ABOUT)


def about_by_keyboard(j):
    """The About window from the menu with the keyboard alone; Esc and Enter close it; Alt+S
    asks for the system information."""
    j.program.start()
    for close in ("Escape", "Return"):
        open_about(j)
        # The default button has the focus.
        wait_for(lambda: j.top_window(ABOUT).focused(), lambda c: c is not None and c.name == "OK",
                 "the About window starts with the focus on OK", 5)
        j.display.keys(close)
        j.window_gone(ABOUT)
        # The main window, active again, has the focus where it was.
        wait_for(j.focused, lambda c: c is not None and c.name == FRAMES,
                 f"after the About window the focus is back in {FRAMES!r}", 5)
    open_about(j)
    j.display.keys("alt+s")
    # Without a system information tool the program says so; with one, the tool starts.
    message = "System Information Is Unavailable At This Time"
    windows = wait_for(j.program.windows,
                       lambda ws: any(message in w.text for w in ws), "Alt+S answers", 10)
    box = next(w for w in windows if message in w.text)
    j.display.keys("Return")
    j.window_gone(box.title)
    j.top_window(ABOUT)
    j.display.keys("Escape")
    j.window_gone(ABOUT)


def close_and_restart(j):
    """Alt+F4 closes the main window; the next start shows what was typed."""
    j.program.start()
    j.tab_to(FRAMES)
    j.display.type("150000")
    j.tab_to("Forced FILM")
    j.display.keys("space")
    j.wait_control("Forced FILM", lambda c: not c.checked, "Space clears Forced FILM")
    j.tab_to("Audio file(s) total size")
    j.display.keys("ctrl+a")
    j.display.type("448000")
    j.wait_control("Audio file(s) total size", lambda c: c.text == "448000",
                   "the audio size shows what was typed")
    j.display.keys("alt+F4")
    status = j.program.wait_exit()
    if status != 0:
        raise JourneyFailed(f"the program ended with {status} after Alt+F4")
    j.program.start()
    j.wait_control(FRAMES, lambda c: c.text == "150000", "the frame count comes back")
    j.wait_control("Forced FILM", lambda c: not c.checked, "Forced FILM comes back clear")
    j.wait_control("Audio file(s) total size", lambda c: c.text == "448000",
                   "the audio size comes back")


def start_with_project(j):
    """Started with a PAL project: the format, Forced FILM and the frames follow it."""
    media = os.path.join(j.options.work, "media")
    shutil.rmtree(media, ignore_errors=True)
    j.write_media(media)
    j.program.start(j.program.argument_path(os.path.join(media, "pal.d2v")))
    # PAL with "Single Pass VBR" shows its note once; Enter dismisses it.
    note = "does not work well with PAL"
    windows = wait_for(j.program.windows, lambda ws: any(note in w.text for w in ws),
                       "the note on PAL and Single Pass VBR is shown", 10)
    j.display.keys("Return")
    j.window_gone(next(w for w in windows if note in w.text).title)
    j.wait_control("PAL", lambda c: c.checked, "the project's format is PAL")
    j.wait_control("Forced FILM", lambda c: not c.checked, "Forced FILM is clear")
    j.wait_control(FRAMES, lambda c: c.text == "7500", "the frame count is the project's")


def start_with_projects(j):
    """Started with two NTSC titles for one disc: their frames add up and the frame count's
    description lists them; started with titles unlike each other, one message names the odd
    one out and the frames stay."""
    media = os.path.join(j.options.work, "media")
    shutil.rmtree(media, ignore_errors=True)
    j.write_media(media)
    path = lambda name: j.program.argument_path(os.path.join(media, name))  # noqa: E731
    j.program.start(path("film.d2v"), path("video.d2v"))
    titles = ("film.d2v: 11250 frames", "video.d2v: 9000 frames")
    j.wait_control(FRAMES, lambda c: c.text == "20250" and all(t in c.description for t in titles),
                   "the frame count is both titles' 11250 + 9000, and says so in its description")
    j.wait_control("Forced FILM", lambda c: not c.checked, "Forced FILM is clear")
    j.display.keys("alt+F4")
    if j.program.wait_exit() != 0:
        raise JourneyFailed("the program did not end well after Alt+F4")
    j.program.start(path("film_forced.d2v"), path("video.d2v"))
    note = "must share the TV format and Forced FILM"
    windows = wait_for(j.program.windows, lambda ws: any(note in w.text for w in ws),
                       "one message says the titles must share the format", 10)
    box = next(w for w in windows if note in w.text)
    if "video.d2v is NTSC," not in box.text:
        raise JourneyFailed(f"the message does not name the odd title: {box.text!r}")
    j.display.keys("Return")
    j.window_gone(box.title)
    j.wait_control(FRAMES, lambda c: c.text == "20250", "the frame count stays as it was")
    j.wait_control("Forced FILM", lambda c: not c.checked, "Forced FILM stays clear")


AUDIO = "Audio file(s) total size"
DESTINATION = "Destination size"
WITHIN_LIMITS = "Within DVD-Video limits"
# DVD+R DL's 8,547,991,552 bytes in each unit the destination row may show, to four decimals.
DOUBLE_LAYER = {"Bytes": "8547991552", "KB": "8347648", "MB": "8152", "GB": "7.9609"}


def limits_line(j, check, what):
    """The line under the results, found by its text as a screen reader reads it."""
    return j.wait_label(check, what)


def open_tools(j, *keys):
    """Alt opens the menu bar on File, Right goes to Tools, Down opens it on its first item."""
    j.display.keys("alt")
    j.display.keys("Right", "Down", *keys)


def destination_by_keyboard(j):
    """Tools, Destination, DVD+R DL with the keyboard alone: the destination row shows the
    disc's bytes in its unit, and the limits line, which found no room on a DVD-R, finds the
    film within DVD-Video's limits."""
    cushion = "Cushion (authoring, etc)"
    j.program.start()
    j.display.type("150000")
    j.wait_control("Movie Length", lambda c: c.text != "", "the results follow the frames")
    limits_line(j, lambda text: text == WITHIN_LIMITS,
                f"a film of 150000 frames for a DVD-R reads {WITHIN_LIMITS!r}")
    # A cushion of 4.5 GB leaves a DVD-R no room.
    j.tab_to(cushion)
    j.display.keys("ctrl+a")
    j.display.type("4608")
    j.wait_control(cushion + " unit", lambda c: c.text == "MB", "the cushion is in MB")
    limits_line(j, lambda text: text.startswith("No room for the video"),
                "a 4.5 GB cushion on a DVD-R reads that there is no room for the video")
    # Destination is the second item of Tools; its first disc is DVD-R, DVD+R DL the fourth.
    open_tools(j, "Down", "Right", "Down", "Down", "Down", "Return")
    unit = j.control(DESTINATION + " unit").text
    if unit not in DOUBLE_LAYER:
        raise JourneyFailed(f"the destination's unit list shows {unit!r}")
    j.wait_control(DESTINATION, lambda c: c.text == DOUBLE_LAYER[unit],
                   f"DVD+R DL shows as {DOUBLE_LAYER[unit]} {unit} in the destination row")
    limits_line(j, lambda text: text == WITHIN_LIMITS,
                f"with a DVD+R DL the limits line reads {WITHIN_LIMITS!r}")
    # The menu left the focus where it was.
    wait_for(j.focused, lambda c: c is not None and c.name == cushion,
             f"after the menu the focus is back in {cushion!r}", 5)


AUDIO_TRACKS = "Audio Tracks"
# AC-3 at 448 kbit/s for 150000 frames of NTSC FILM (6256.25 s): 195508 frames of 32 ms, 1792
# bytes each, 350,350,336 bytes, shown in KB; 75000 frames take 97754 frames of 32 ms.
AC3_448_BYTES = "350350336"
AC3_448_KB = "342139"
AC3_448_HALF_KB = "171069.5"


def digits(text):
    """A number as digits alone, whatever the locale groups them with."""
    return "".join(ch for ch in text if ch.isdigit())


def focused_in(j, title):
    window = j.window(title)
    return window.focused() if window else None


def audio_tracks_by_keyboard(j):
    """Tools, Audio Tracks with the keyboard alone: the focus starts on the first track's
    format, arrows choose, Tab goes through the row, Enter is OK; the audio row then shows the
    tracks' total and follows the length. Esc on a second opening changes nothing."""
    j.program.start()
    j.display.type("150000")
    j.wait_control("Movie Length", lambda c: c.text != "", "the results follow the frames")
    open_tools(j, "Return")
    j.top_window(AUDIO_TRACKS)
    first = wait_for(lambda: focused_in(j, AUDIO_TRACKS),
                     lambda c: c is not None and c.name == "Track 1 format",
                     "the Audio Tracks window starts with the focus on 'Track 1 format'", 5)
    # The first format after "(none)"; the last channel count and bitrate AC-3 allows.
    j.display.keys("Home", "Down")
    j.wait_control("Track 1 format", lambda c: c.text == "AC-3",
                   "Down on the first track's format chooses AC-3", title=AUDIO_TRACKS)
    row = [first.said()]
    now = first
    for _ in range(2):
        now = j.step("Tab", now, title=AUDIO_TRACKS)
        row.append(now.said() if now else None)
        j.display.keys("End")
    j.wait_control(row[2], lambda c: c.text.startswith("448"),
                   "End on the track's bitrate chooses 448 kbit/s", title=AUDIO_TRACKS)
    if row != ["Track 1 format", "Track 1 channels", "Track 1 bitrate"]:
        raise JourneyFailed(f"Tab through the first track went through {row}")
    for size in ("Track 1 size", "Total"):
        j.wait_control(size, lambda c: digits(c.text) == AC3_448_BYTES and c.read_only,
                       f"{size!r} shows {AC3_448_BYTES} bytes, read-only", title=AUDIO_TRACKS)
    j.display.keys("Return")
    j.window_gone(AUDIO_TRACKS)
    j.wait_control(AUDIO, lambda c: c.text == AC3_448_KB,
                   f"OK shows the tracks' {AC3_448_KB} KB in the audio row")
    # While the tracks stand for the audio, it follows the length.
    j.tab_to(FRAMES)
    j.display.keys("ctrl+a")
    j.display.type("75000")
    j.wait_control(AUDIO, lambda c: c.text == AC3_448_HALF_KB,
                   f"half the frames take {AC3_448_HALF_KB} KB of audio")
    # A second opening shows the track; a change left with Esc changes nothing.
    open_tools(j, "Return")
    j.top_window(AUDIO_TRACKS)
    j.wait_control("Track 1 format", lambda c: c.text == "AC-3",
                   "the second opening shows the AC-3 track", title=AUDIO_TRACKS)
    j.display.keys("Down")
    j.wait_control("Track 1 format", lambda c: c.text != "AC-3",
                   "Down chooses the next format", title=AUDIO_TRACKS)
    j.display.keys("Escape")
    j.window_gone(AUDIO_TRACKS)
    j.wait_control(FRAMES, lambda c: c.focused, f"after Esc the focus is back in {FRAMES!r}")
    if j.control(AUDIO).text != AC3_448_HALF_KB:
        raise JourneyFailed(f"Esc changed the audio row: {j.control(AUDIO)}")


JOURNEYS = {f.__name__: f for f in (type_frames_at_start, tab_order, shift_converts_unit,
                                    method_by_keyboard, about_by_keyboard, close_and_restart,
                                    start_with_project, start_with_projects,
                                    destination_by_keyboard, audio_tracks_by_keyboard)}


def run(options):
    os.makedirs(options.work, exist_ok=True)
    for stale in ("failure.png", "config"):
        path = os.path.join(options.work, stale)
        shutil.rmtree(path, ignore_errors=True) if os.path.isdir(path) else None
        if os.path.isfile(path):
            os.remove(path)
    display = Display(options.work)
    program = None
    try:
        if options.platform == "linux":
            try:
                from linux_backend import QtProgram
            except ImportError as missing:
                raise Skip(f"the AT-SPI bindings are missing ({missing})")
            program = QtProgram(display, options)
        else:
            from windows_backend import WineProgram
            program = WineProgram(display, options)
        journey = Journey(program, display)
        journey.options = options
        journey.write_media = lambda folder: write_media(program, options, folder)
        try:
            JOURNEYS[options.journey](journey)
        except Exception:
            shot = os.path.join(options.work, "failure.png")
            display.screenshot(shot)
            print(f"screen: {shot}", file=sys.stderr)
            raise
    finally:
        if program is not None:
            program.close()
        display.close()


def write_media(program, options, folder):
    if options.platform == "linux":
        subprocess.run([options.media_tool, folder], check=True, timeout=60,
                       stdout=subprocess.DEVNULL)
    else:
        program.wine(options.media_tool, program.argument_path(folder))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--platform", choices=("linux", "windows"), required=True)
    parser.add_argument("--journey", choices=sorted(JOURNEYS), required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--media-tool", required=True)
    parser.add_argument("--inspector")
    parser.add_argument("--wine-prefix")
    parser.add_argument("--source", default=os.path.join(os.path.dirname(__file__), "..", ".."))
    options = parser.parse_args()
    if options.platform == "linux" and os.environ.get("QUILLBIT_JOURNEY_BUS") is None:
        # The accessibility bus belongs to a D-Bus session; the journey has one of its own.
        if shutil.which("dbus-run-session") is None:
            print("skipped: dbus-run-session is not installed")
            return 77
        os.environ["QUILLBIT_JOURNEY_BUS"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
    try:
        run(options)
    except Skip as skip:
        print(f"skipped: {skip}")
        return 77
    except JourneyFailed as failed:
        print(f"{options.journey} on {options.platform}: {failed}", file=sys.stderr)
        return 1
    except Exception:
        traceback.print_exc()
        return 1
    print(f"{options.journey} on {options.platform}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
