#!/usr/bin/python3
# Prints the status line of the wizard's window to standard output, for the keyboard run
# (keyboard_end_to_end.sh): read from outside the program over the accessibility bus (AT-SPI),
# where Qt shows the window's widgets with their roles and texts.
#   read_status_line.py TITLE     exit 1 when no window has that title or it has no status bar
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def find(node, role):
    """The first node of this role below node, depth first, or None."""
    for child in children(node):
        if child.get_role() == role:
            return child
        found = find(child, role)
        if found is not None:
            return found
    return None


def main(title):
    for application in children(Atspi.get_desktop(0)):
        for window in children(application):
            if window.get_name() != title:
                continue
            bar = find(window, Atspi.Role.STATUS_BAR)
            if bar is None:
                return 1
            # The bar holds the line's label and the size grip, which has no text.
            texts = [c.get_name() for c in children(bar) if c.get_role() == Atspi.Role.LABEL]
            print(" ".join(texts))
            return 0
    return 1


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
