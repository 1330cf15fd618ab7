"""A blind player: key presses only, and everything read through AT-SPI, the
accessibility bus a screen reader listens to.

The player never looks at the screen. It learns where it is from the window that
is active and the object that has the keyboard, as a screen reader says them, and
finds a control by pressing Tab until the reader says its name.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


class Lost(Exception):
    """The game did not say what a player needs to go on."""


def _states(node):
    try:
        return node.getState()
    except Exception:
        return None


def _has(node, state):
    states = _states(node)
    return states is not None and states.contains(state)


def _named(pattern, name):
    """NAME is PATTERN itself, or matches it as a regular expression."""
    name = name or ""
    return name == pattern or re.fullmatch(pattern, name) is not None


def _walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        yield from _walk(child, depth + 1)


def _text(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return ""


def spoken(node):
    """What a screen reader says for NODE: role, name, value or text, description."""
    if node is None:
        return "(nothing)"
    parts = [node.getRoleName(), node.name]
    value = _text(node)
    if value and value != node.name:
        parts.append(value.replace("\n", " / "))
    if node.description:
        parts.append(node.description.replace("\n", " / "))
    return ": ".join(part for part in parts if part)


# What a screen reader says of its own accord, as Orca does: the object that takes
# the keyboard, a new name or description of that object, a notification that shows.
_SPOKEN_EVENTS = ("object:state-changed:focused", "object:state-changed:showing",
                  "object:property-change:accessible-name",
                  "object:property-change:accessible-description")


class BlindPlayer:
    def __init__(self, pid, log=print):
        self.pid = pid
        self.log = log
        self._app = None
        # What the reader said, in order, since the player started listening.
        self.heard = []
        self._focus = None
        self._told = 0

    # -- hearing --------------------------------------------------------------

    def _hear(self, event):
        try:
            source = event.source
            if source is None or source.get_process_id() != self.pid:
                return
            kind = event.type
            if kind.startswith("object:state-changed:focused"):
                if event.detail1:
                    self._focus = source
                    self.heard.append(spoken(source))
            elif kind.startswith("object:state-changed:showing"):
                if event.detail1 and source.getRole() in (pyatspi.ROLE_NOTIFICATION,
                                                          pyatspi.ROLE_ALERT):
                    self.heard.append(spoken(source))
            elif self._focus is not None and source == self._focus:
                said = source.name if kind.endswith("accessible-name") else source.description
                if said:
                    self.heard.append(said)
        except Exception:
            return

    def listen(self):
        """Lets the reader take in what the program said since the last call."""
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        for said in self.heard[self._told:]:
            self.log(f"    heard: {said}")
        self._told = len(self.heard)

    def mark(self):
        """A point in what was heard, for heard_since."""
        self.listen()
        return len(self.heard)

    def heard_since(self, mark):
        self.listen()
        return self.heard[mark:]

    # -- reading --------------------------------------------------------------

    def app(self):
        if self._app is not None:
            return self._app
        deadline = time.time() + 60
        while time.time() < deadline:
            # The desktop learns of a new program from the events the player takes in.
            self.listen()
            desktop = pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                app = desktop.getChildAtIndex(index)
                try:
                    if app is not None and app.get_process_id() == self.pid:
                        self._app = app
                        # The player listens once the program is on the bus: asked
                        # while it was still starting, the program could miss the
                        # listener and say nothing, and the desktop, listened to
                        # before the program came, could miss the program itself.
                        pyatspi.Registry.registerEventListener(self._hear, *_SPOKEN_EVENTS)
                        return app
                except Exception:
                    continue
            time.sleep(0.3)
        raise Lost(f"program {self.pid} is not on the accessibility bus")

    def windows(self):
        app = self.app()
        found = []
        for index in range(app.childCount):
            try:
                window = app.getChildAtIndex(index)
            except Exception:
                continue
            if window is not None and _has(window, pyatspi.STATE_SHOWING):
                found.append(window)
        return found

    def active(self):
        """The window that has the keyboard."""
        for window in self.windows():
            if _has(window, pyatspi.STATE_ACTIVE):
                return window
        return None

    def focus(self):
        """The object that has the keyboard, as the reader last announced it."""
        window = self.active()
        if window is None:
            return None
        focused = None
        for node in _walk(window):
            if node is window or not _has(node, pyatspi.STATE_FOCUSED) or \
                    not _has(node, pyatspi.STATE_SHOWING) or \
                    (node.getRoleName() == "filler" and not node.name):
                continue
            # A list's current row says it is focused even when the list is not.
            if node.getRoleName() == "list item" and \
                    not _has(node.parent, pyatspi.STATE_FOCUSED):
                continue
            # The innermost focused object: a list's current row rather than the list.
            focused = node
        return focused

    def where(self):
        window = self.active()
        return f"[{window.name if window else '-'}] {spoken(self.focus())}"

    def find(self, name, role=None, window=None):
        """The first showing object named NAME (a regular expression), in WINDOW or anywhere."""
        for top in ([window] if window is not None else self.windows()):
            for node in _walk(top):
                try:
                    if _named(name, node.name) and _has(node, pyatspi.STATE_SHOWING) \
                            and (role is None or node.getRoleName() == role):
                        return node
                except Exception:
                    continue
        return None

    def read(self, name, seconds=15):
        """The value of the object named NAME, as the reader says it: a label's
        value is its description, a text field its text."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            node = self.find(name)
            if node is not None:
                return node.description or _text(node)
            time.sleep(0.2)
        raise Lost(f'nothing named "{name}" to read; the reader is at {self.where()}')

    def names(self, role):
        """The names of every showing object of ROLE in the window with the keyboard."""
        window = self.active()
        return [node.name for node in _walk(window) if node is not window and
                node.getRoleName() == role and _has(node, pyatspi.STATE_SHOWING)]

    def items(self):
        """The rows of the list that has the keyboard, as the reader names them."""
        focused = self.focus()
        node = focused
        while node is not None and node.getRoleName() not in ("list", "table", "tree"):
            node = node.parent
        if node is None:
            return []
        return [child.name for child in (node.getChildAtIndex(i) for i in range(node.childCount))
                if child is not None]

    # -- keys -----------------------------------------------------------------

    def press(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
            time.sleep(0.15)
        self.settle()

    def settle(self, quiet=0.4, seconds=10):
        """Waits until what the reader says has not changed for QUIET seconds."""
        deadline = time.time() + seconds
        last, since = None, time.time()
        while time.time() < deadline:
            self.listen()
            try:
                now = self.where()
            except Exception:
                now = None
            if now != last:
                last, since = now, time.time()
            elif time.time() - since >= quiet:
                return
            time.sleep(0.1)

    # -- moving about ---------------------------------------------------------

    def wait_window(self, name, seconds=60):
        """Waits until the window named NAME (a regular expression) has the keyboard."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.listen()
            window = self.active()
            if window is not None and _named(name, window.name):
                return window
            time.sleep(0.2)
        raise Lost(f'no window "{name}" has the keyboard; the reader is at {self.where()}')

    def tab_to(self, name, role=None, limit=40):
        """Presses Tab until the reader says NAME (a regular expression)."""
        for _ in range(limit):
            node = self.focus()
            # A list is reached when one of its rows has the keyboard.
            for candidate in (node, node.parent if node is not None else None):
                if candidate is not None and _named(name, candidate.name) and \
                        (role is None or candidate.getRoleName() == role):
                    return candidate
            self.press("Tab")
        raise Lost(f'Tab never reached "{name}"; the reader is at {self.where()}')

    def press_button(self, name, then=None):
        """Tabs to the button NAME and presses Enter; waits for the window THEN."""
        self.tab_to(name, role="push button")
        self.log(f"  {self.where()}  <Enter>")
        self.press("Return")
        if then:
            return self.wait_window(then)
        return None

    def answer(self, window):
        """Answers the box, dialogue or announcement WINDOW as a reader of it would:
        reads it, then Enter (a question's first answer), or Escape for a story
        text. Returns what it said."""
        said = " / ".join(_text(node) or node.name for node in _walk(window)
                          if node is not window and node.getRoleName() in ("label", "text")
                          and _has(node, pyatspi.STATE_SHOWING))
        self.log(f"  [{window.name}] {said}")
        self.press("Return")
        return said


def main():
    """Prints what the reader says in the program PID now."""
    player = BlindPlayer(int(sys.argv[1]))
    print(player.where())
    return 0


if __name__ == "__main__":
    sys.exit(main())
