#!/usr/bin/python3
"""Reads the running game as a screen reader does, through AT-SPI.

    e2e_reader.py PID NAME   prints the description (the value) of the first
                             showing object of the program PID named NAME, e.g.
                             "자금" gives the gold; exits 1 when there is none.
    e2e_reader.py PID        prints every showing object: role, name, description.
"""
import sys

import pyatspi


def program(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        yield from walk(node.getChildAtIndex(index), depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def main():
    pid = int(sys.argv[1])
    app = program(pid)
    if app is None:
        print(f"no program {pid} on the accessibility bus", file=sys.stderr)
        return 1
    if len(sys.argv) == 2:
        for node in walk(app):
            if showing(node):
                print(f"{node.getRoleName()}\t{node.name}\t{node.description}")
        return 0
    for node in walk(app):
        if node.name == sys.argv[2] and showing(node):
            print(node.description)
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
