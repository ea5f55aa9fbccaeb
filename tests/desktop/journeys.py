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

from desktop import Display, JourneyFailed, Skip  # noqa: E402
from journey import Journey  # noqa: E402
import tools_journeys  # noqa: E402
import window_journeys  # noqa: E402

JOURNEYS = {f.__name__: f for f in (
    window_journeys.type_frames_at_start, window_journeys.tab_order,
    window_journeys.shift_converts_unit, window_journeys.method_by_keyboard,
    window_journeys.about_by_keyboard, window_journeys.close_and_restart,
    window_journeys.start_with_project, tools_journeys.start_with_projects,
    tools_journeys.destination_by_keyboard, tools_journeys.audio_tracks_by_keyboard)}


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
