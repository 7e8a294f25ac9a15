# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
"""Driving the running program from outside, as a pupil would: through the accessibility
interface (AT-SPI) for what is on screen, and through real key presses (xdotool) on the
virtual display for typing."""

import os
import subprocess
import time

import pyatspi
from gi.repository import GLib


class Failure(Exception):
    """A check of the end-to-end run did not hold."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def pump():
    """Hands the events that arrived from the accessibility bus to their listeners."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_until(what, probe, timeout=15.0, interval=0.05):
    """Polls probe() until it returns something true, and returns that. Listeners to the
    accessibility bus hear their events meanwhile."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        pump()
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # a window going away while it is read
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


def fresh(accessible):
    """Drops what the client library remembers of an object, so its next read is current."""
    try:
        accessible.clear_cache()
    except Exception:
        pass
    return accessible


def role(accessible):
    return accessible.getRoleName()


def name(accessible):
    return fresh(accessible).name or ""


def showing(accessible):
    try:
        return fresh(accessible).getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def enabled(accessible):
    return fresh(accessible).getState().contains(pyatspi.STATE_ENABLED)


def focused(accessible):
    return fresh(accessible).getState().contains(pyatspi.STATE_FOCUSED)


def text_of(accessible):
    """The text of an editable field, or the name of anything else."""
    fresh(accessible)
    try:
        text = accessible.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return name(accessible)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def descendants(root, only_showing=True):
    """Every object under root, depth first; hidden subtrees are left out when asked."""
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        try:
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception:
            continue
        for child in reversed(children):
            if child is None:
                continue
            if only_showing and not showing(child):
                continue
            found.append(child)
            stack.append(child)
    return found


def find_all(root, role_name=None, name_is=None, only_showing=True):
    return [
        node
        for node in descendants(root, only_showing)
        if (role_name is None or role(node) == role_name)
        and (name_is is None or name(node) == name_is)
    ]


def find(root, role_name=None, name_is=None, only_showing=True):
    nodes = find_all(root, role_name, name_is, only_showing)
    return nodes[0] if nodes else None


def press(accessible):
    """Presses a button (or triggers a menu entry) through its first action."""
    action = accessible.queryAction()
    check(action.nActions > 0, f"{role(accessible)} {name(accessible)!r} has no action")
    action.doAction(0)


class Program:
    """The program under test, started on the virtual display with accessibility on."""

    def __init__(self, executable, extra_env=None):
        env = dict(os.environ)
        env.update(
            {
                "QT_QPA_PLATFORM": "xcb",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "LC_ALL": "C.UTF-8",
                "LANG": "C.UTF-8",
            }
        )
        env.pop("QT_ACCESSIBILITY", None)
        env.update(extra_env or {})
        self.log_path = os.path.join(os.environ["E2E_WORK"], "program.log")
        self.log = open(self.log_path, "w")
        self.process = subprocess.Popen(
            [executable], env=env, stdout=self.log, stderr=subprocess.STDOUT
        )
        self.pid = self.process.pid
        self.app = wait_until("the program on the accessibility bus", self._find_app, 30)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except Exception:
                continue
        return None

    def windows(self):
        """The program's windows on show (frames, dialogs, message boxes)."""
        fresh(self.app)
        result = []
        for index in range(self.app.childCount):
            window = self.app.getChildAtIndex(index)
            if window is not None and showing(window):
                result.append(window)
        return result

    def window(self, title, timeout=15.0):
        return wait_until(
            f"the window {title!r}",
            lambda: next((w for w in self.windows() if name(w) == title), None),
            timeout,
        )

    def alert(self, timeout=15.0):
        """The message box on show."""
        return wait_until(
            "a message box",
            lambda: next((w for w in self.windows() if role(w) == "alert"), None),
            timeout,
        )

    def no_alert(self):
        return not any(role(w) == "alert" for w in self.windows())

    def alive(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=15.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout:.0f} s")

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


def alert_texts(alert):
    """The texts of a message box's labels, its text first."""
    return [name(label) for label in find_all(alert, "label") if name(label)]


def answer_alert(alert, button):
    target = wait_until(
        f"the button {button!r} of the message box",
        lambda: find(alert, "push button", button),
        5,
    )
    press(target)


def click(accessible):
    """A real mouse click in the middle of an object on show. Used for menus, whose
    entries would answer an accessibility action only after a message box they open has
    been closed."""
    x, y, width, height = extents(accessible)
    check(width > 0 and height > 0, f"{role(accessible)} {name(accessible)!r} has no area")
    subprocess.run(
        ["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1"],
        check=True,
    )


def keys(*names):
    """Real key presses on the virtual display, to the window that has the focus."""
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)


def activate(window):
    """Gives a window the X focus (the window manager raises and focuses it)."""
    title = name(window)
    ids = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
        capture_output=True,
        text=True,
    ).stdout.split()
    check(ids, f"no X window titled {title!r}")
    subprocess.run(["xdotool", "windowactivate", "--sync", ids[-1]], check=True)
    wait_until(f"{title!r} active", lambda: fresh(window).getState().contains(pyatspi.STATE_ACTIVE), 5)
