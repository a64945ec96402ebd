"""A picture of the main window for the documentation.

Runs only when QUILLPAD_SCREENSHOTS names a folder; a relative path is taken
from this file's folder, so QUILLPAD_SCREENSHOTS=../../docs/screenshots
refreshes docs/screenshots/main-window.png.
"""

import os
import unittest

from desktop import CLIENT_WIDTH, DesktopTestCase

SCREENSHOTS = os.environ.get("QUILLPAD_SCREENSHOTS")
HERE = os.path.dirname(os.path.abspath(__file__))

SAMPLE_PROFILE = {
    "name": "Ada",
    "lastname": "Quill",
    "midname": "M.",
    "company": "Inkwell Software",
    "title": "Author",
    "street1": "1 Paper Lane",
    "city": "Springfield",
    "state": "Anystate",
    "county": "Example",
    "zip": "12345",
    "email": "ada@example.org",
    "phone": "+1 555 0100",
    "comments": "Shareware author since 1999.",
}


@unittest.skipUnless(SCREENSHOTS, "set QUILLPAD_SCREENSHOTS to a folder to take screenshots")
class Screenshots(DesktopTestCase):

    def test_main_window_first_page(self):
        self.desktop.seed_settings(SAMPLE_PROFILE)
        window = self.launch_and_show()
        folder = os.path.join(HERE, SCREENSHOTS)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "main-window.png")
        self.desktop.screenshot(window, path)
        with open(path, "rb") as f:
            header = f.read(24)
        self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(int.from_bytes(header[16:20], "big"), CLIENT_WIDTH)


if __name__ == "__main__":
    unittest.main()
