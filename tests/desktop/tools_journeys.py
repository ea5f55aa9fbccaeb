"""Journeys through what a whole disc needs: several titles, the "Tools" menu's discs and audio
tracks, and the limits line."""

import os
import shutil

from desktop import JourneyFailed, wait_for
from journey import FRAMES


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
