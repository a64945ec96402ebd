"""The README shows committed, small pictures: every screenshot the end-to-end run takes,
and a data-flow picture that matches the script drawing it."""

import os
import re
import subprocess
import sys
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
README = os.path.join(ROOT, "README.md")
SCREENSHOTS = os.path.join("docs", "screenshots")
DATA_FLOW_SCRIPT = os.path.join(ROOT, "docs", "draw_data_flow.py")
# Small enough to keep the repository light and the page quick to load.
MAX_PICTURE_BYTES = 64 * 1024
PICTURE_SIGNATURES = {".png": b"\x89PNG\r\n\x1a\n", ".svg": b"<svg "}


def shown_pictures():
    with open(README, encoding="utf-8") as f:
        return re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", f.read())


class ReadmePictures(unittest.TestCase):

    def test_every_picture_is_committed_small_and_what_its_name_says(self):
        pictures = shown_pictures()
        self.assertTrue(pictures, "the README shows no pictures")
        for picture in pictures:
            path = os.path.join(ROOT, picture)
            self.assertTrue(os.path.isfile(path), f"{picture} is missing")
            self.assertLessEqual(os.path.getsize(path), MAX_PICTURE_BYTES, picture)
            signature = PICTURE_SIGNATURES[os.path.splitext(picture)[1]]
            with open(path, "rb") as f:
                self.assertEqual(f.read(len(signature)), signature, picture)

    def test_shows_every_screenshot(self):
        taken = {os.path.join(SCREENSHOTS, name) for name in os.listdir(
            os.path.join(ROOT, SCREENSHOTS))}
        self.assertLessEqual(taken, set(shown_pictures()))

    def test_data_flow_picture_matches_its_script(self):
        result = subprocess.run([sys.executable, DATA_FLOW_SCRIPT, "--check"],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stderr)


if __name__ == "__main__":
    unittest.main()
