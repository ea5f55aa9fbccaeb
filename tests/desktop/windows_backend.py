"""The Windows program under Wine in a virtual desktop, read by quillbit-inspect.

The journeys' Wine prefix is their own (made once with the project's wine_prefix_ready, through
scripts/wine-run); every program of a journey runs in its virtual desktop "quillbit", on the
journey's display, with one wineserver for the journey that ends with it.
"""

import json
import os
import subprocess

from desktop import Control, JourneyFailed, Program, Window, require, wait_for

DESKTOP = "quillbit"
# The prefix's Wine starts every program in the one virtual desktop, as
# "wine explorer /desktop=quillbit,1000x700 PROGRAM" would; and the journey starts on a new
# user's settings.
SETUP = f"""REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="{DESKTOP}"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"{DESKTOP}"="1000x700"

[-HKEY_CURRENT_USER\\Software\\Tormelund]
"""

BUTTON_ROLES = {2: "check", 3: "check", 4: "radio", 5: "check", 6: "check", 7: "group",
                9: "radio"}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def as_name(text):
    """A caption as the name a screen reader says: no access-key marker, no closing colon."""
    return text.replace("&", "", 1).rstrip(" :")


def role_of(item):
    kind = item["class"].lower()
    if kind == "edit":
        return "text"
    if kind == "combobox":
        return "list"
    if kind == "static":
        return "label"
    if kind == "button":
        return BUTTON_ROLES.get(item["style"] & 0xF, "button")
    return kind


def name_of(item, role):
    if role in ("radio", "check", "button", "group", "label"):
        return as_name(item["text"])
    # A name of its own (the label rule's, or the program's answer to WM_GETOBJECT) differs from
    # the control's text. Wine's accessibility applies Windows' label rule to text boxes only and
    # names a list by its chosen item, so for lists the inspector's reading of the rule counts.
    # Names given through dynamic annotation (IAccPropServices) are lost under Wine, whose
    # SetHwndPropStr answers E_NOTIMPL: no screen reader there can say them.
    own = item["name"] if item["acc"] else ""
    if own and own != item["text"]:
        return as_name(own)
    return as_name(item["label"])


class WineProgram(Program):
    exit_timeout = 30

    def __init__(self, display, options):
        require("wine", "wineserver", "setarch", "timeout")
        self.display = display
        self.options = options
        self.wine_run = os.path.join(options.source, "scripts", "wine-run")
        self.process = None
        self.env = dict(display.env, WINEPREFIX=os.path.realpath(options.wine_prefix),
                        WINEDEBUG="-all")
        self.log = open(os.path.join(options.work, "wine.log"), "a")
        # A wineserver of another display would show the journey's windows there.
        self._wineserver("-k")
        setup = os.path.join(options.work, "setup.reg")
        with open(setup, "w") as f:
            f.write(SETUP)
        self.wine("regedit", "/S", windows_path(setup), timeout=300)
        self.server = subprocess.Popen(["timeout", "600", "wineserver", "-p", "-f"], env=self.env,
                                       stdout=self.log, stderr=subprocess.STDOUT)

    def _wineserver(self, *arguments):
        subprocess.run(["timeout", "60", "wineserver", *arguments], env=self.env,
                       stdout=self.log, stderr=subprocess.STDOUT)

    def wine(self, *arguments, timeout=60, output=None):
        """Runs a Windows program to its end; its output goes to a file, never a pipe."""
        result = subprocess.run(
            ["timeout", str(timeout), self.wine_run, self.options.wine_prefix, *arguments],
            env=self.env, stdin=subprocess.DEVNULL, stdout=output or self.log,
            stderr=self.log)
        if result.returncode != 0:
            raise JourneyFailed(f"wine {' '.join(arguments)} ended with {result.returncode}")

    def argument_path(self, path):
        return windows_path(path)

    def start(self, *arguments):
        self.process = subprocess.Popen(
            ["timeout", "300", self.wine_run, self.options.wine_prefix, self.options.program,
             *arguments], env=self.env, stdin=subprocess.DEVNULL, stdout=self.log,
            stderr=subprocess.STDOUT)
        # The main window, or a message it shows on the way, has the keyboard.
        wait_for(self.windows, lambda ws: any(w.title.startswith("Quillbit") for w in ws)
                 and any(w.active for w in ws), "the main window is shown and active", timeout=60)

    def read(self):
        path = os.path.join(self.options.work, "inspect.json")
        with open(path, "w") as output:
            self.wine(self.options.inspector, output=output)
        with open(path) as f:
            return [json.loads(line) for line in f if line.startswith("{")]

    def windows(self):
        windows = {}
        order = []
        for item in self.read():
            if item["kind"] == "window":
                if item["class"] in ("tooltips_class32", "Shell_TrayWnd"):
                    continue
                window = Window(title=item["title"], controls=[],
                                active=item["active"] and item["foreground"])
                windows[item["hwnd"]] = window
                order.append(window)
            elif item["top"] in windows:
                role = role_of(item)
                window = windows[item["top"]]
                window.controls.append(Control(
                    key=item["hwnd"], name=name_of(item, role), role=role, text=item["text"],
                    focused=item["focused"], visible=item["visible"],
                    read_only=item["readonly"], checked=item.get("checked") == 1,
                    expanded=item.get("dropped", False),
                    description=item["description"] if item["acc"] else ""))
                if role == "label" and item["visible"] and item["text"]:
                    window.text = "\n".join(filter(None, (window.text, item["text"])))
        return order

    def close(self):
        self.stop()
        self._wineserver("-k")
        try:
            self.server.wait(30)
        except subprocess.TimeoutExpired:
            self.server.kill()
        self.log.close()
