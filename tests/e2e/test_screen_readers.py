"""What a screen reader hears for the "!" buttons, read from the accessibility bus."""

import os
import subprocess
import sys
import unittest

from copy_button_names import COPY_PREFIX, NamesOnBothPages
from desktop import DesktopTestCase

CLIENT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "read_button_names.py")
# Debian's own interpreter: the accessibility client library is packaged for it alone.
CLIENT_PYTHON = "/usr/bin/python3"


# Run inside the program's D-Bus session: leaves the session's address for the client,
# and turns accessibility on as a screen reader does before the program starts.
ACCESSIBILITY_ON = r"""
printf '%s' "$DBUS_SESSION_BUS_ADDRESS" > "$1"
shift
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true > /dev/null
exec "$@"
"""


class ScreenReaders(NamesOnBothPages, DesktopTestCase):

    def setUp(self):
        super().setUp()
        self.address_file = os.path.join(self.desktop.root_dir, "bus-address")

    def copy_button_names(self):
        with open(self.address_file) as f:
            address = f.read()
        env = dict(self.desktop.environment(), DBUS_SESSION_BUS_ADDRESS=address)
        result = subprocess.run([CLIENT_PYTHON, CLIENT, self.desktop.app_name], env=env,
                                capture_output=True, text=True, timeout=60)
        if result.returncode != 0:
            sys.stderr.write(result.stderr)
        return sorted(name for name in result.stdout.splitlines() if name.startswith(COPY_PREFIX))

    def test_each_copy_button_names_its_field_on_the_page_in_force(self):
        self.desktop.launch(wrapper=("sh", "-c", ACCESSIBILITY_ON, "sh", self.address_file))
        self.desktop.show_from_tray()
        self.check_names_on_both_pages()


if __name__ == "__main__":
    unittest.main()
