"""Journeys through the window as it was designed: typing, the tab order, units, the method,
About, closing and starting again, a project on the command line."""

import os
import shutil

from desktop import JourneyFailed, wait_for
from journey import FRAMES, check_order

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
