"""The Qt program on a display with a window manager, read through AT-SPI as Orca reads it.

Runs inside a D-Bus session of its own (journeys.py starts one), where the accessibility bus
is started on demand.
"""

import os
import subprocess

import pyatspi

from desktop import Control, Program, Window, require, wait_for

ROLES = {
    "text": "text",
    "password text": "text",
    "combo box": "list",
    "radio button": "radio",
    "check box": "check",
    "push button": "button",
    "label": "label",
    "panel": "group",
}
WINDOW_ROLES = ("frame", "dialog", "alert", "window")


def labelled_by(node):
    """The text of the labels that name the control, as Orca finds them through relations."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return " ".join(names)


def chosen_item(node):
    """The item a list shows, where the list tells it: as its text, as its selected child, or
    as an item that says it is selected. Empty when it does not."""
    try:
        return node.queryText().getText(0, -1)
    except Exception:  # no Text interface
        pass
    for holder in [node] + [child for child in node if child is not None]:
        try:
            selection = holder.querySelection()
            if selection.nSelectedChildren > 0:
                return selection.getSelectedChild(0).name
        except Exception:  # no Selection interface
            pass
        for item in holder:
            if item is not None and item.getState().contains(pyatspi.STATE_SELECTED):
                return item.name
    return ""


def read_control(node, key, role, controls, texts):
    states = node.getState()
    text = ""
    # Orca's order: the control's own name, else the labels related to it.
    name = node.name or labelled_by(node)
    if role == "text":
        text = node.queryText().getText(0, -1)
    elif role == "list":
        text = chosen_item(node)
    elif role == "label":
        texts.append(node.name)
    controls.append(Control(
        key=key, name=name, role=role, text=text,
        focused=states.contains(pyatspi.STATE_FOCUSED),
        visible=states.contains(pyatspi.STATE_SHOWING),
        read_only=role == "text" and (states.contains(pyatspi.STATE_READ_ONLY)
                                      or not states.contains(pyatspi.STATE_EDITABLE)),
        checked=states.contains(pyatspi.STATE_CHECKED),
        expanded=states.contains(pyatspi.STATE_EXPANDED),
        description=node.description or ""))


def read_tree(node, path, controls, texts):
    for index, child in enumerate(node):
        if child is None:
            continue
        key = f"{path}/{index}"
        role = ROLES.get(child.getRoleName())
        if role is not None:
            read_control(child, key, role, controls, texts)
        if role not in ("list", "text"):
            read_tree(child, key, controls, texts)


class QtProgram(Program):
    def __init__(self, display, options):
        require("openbox", "dbus-run-session")
        self.display = display
        self.options = options
        self.process = None
        self.env = dict(display.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        XDG_CONFIG_HOME=os.path.join(options.work, "config"))
        self.env.pop("QT_ACCESSIBILITY", None)
        # A window manager, as every desktop has: it gives a new window the focus and closes
        # the active one on Alt+F4.
        ready = os.path.join(options.work, "wm-ready")
        self.wm = subprocess.Popen(
            ["openbox", "--sm-disable", "--startup", f"touch {ready}"], env=display.env,
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(options.work, "wm.log"), "w"))
        wait_for(lambda: os.path.exists(ready), bool, "the window manager starts")

    def argument_path(self, path):
        return path

    def start(self, *arguments):
        log = open(os.path.join(self.options.work, "program.log"), "a")
        self.process = subprocess.Popen([self.options.program, *arguments], env=self.env,
                                        stdout=log, stderr=subprocess.STDOUT)
        # The main window, or a message it shows on the way, has the keyboard.
        wait_for(self.windows, lambda ws: any(w.title.startswith("Quillbit") for w in ws)
                 and any(w.active for w in ws), "the main window is shown and active", timeout=30)

    def application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:  # an application that has just gone
                continue
        return None

    def windows(self):
        app = self.application()
        if app is None:
            return []
        windows = []
        try:
            for index, top in enumerate(app):
                if top is None or top.getRoleName() not in WINDOW_ROLES:
                    continue
                states = top.getState()
                if not states.contains(pyatspi.STATE_SHOWING):
                    continue
                controls, texts = [], []
                read_tree(top, str(index), controls, texts)
                windows.append(Window(title=top.name, controls=controls,
                                      active=states.contains(pyatspi.STATE_ACTIVE),
                                      text="\n".join(texts)))
        except Exception:  # a window that closed while it was read: read again
            return []
        return windows

    def close(self):
        self.stop()
        self.wm.terminate()
        self.wm.wait(10)
