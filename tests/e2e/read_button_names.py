"""Prints the name of each push button a running program shows, one a line, as a screen
reader reads it from the accessibility bus. Run with Debian's python3, which has pyatspi.

Usage: read_button_names.py APPLICATION_NAME
"""

import sys

import pyatspi


def shown_button_names(application_name):
    for application in pyatspi.Registry.getDesktop(0):
        if application is None or application.name != application_name:
            continue
        buttons = pyatspi.findAllDescendants(
            application, lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        return [button.name for button in buttons
                if button.getState().contains(pyatspi.STATE_SHOWING)]
    return []


if __name__ == "__main__":
    print("\n".join(shown_button_names(sys.argv[1])))
