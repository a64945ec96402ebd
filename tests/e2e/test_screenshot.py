"""Pictures of the program for the documentation.

Runs only when QUILLPAD_SCREENSHOTS names a folder (the test run gives one in the build
tree); it takes main-window.png, program-page.png, about-window.png and
pad-question.png (the question a dropped PAD file brings) there, and
scripts/refresh-docs copies them to docs/screenshots.
"""

import os
import unittest

from desktop import CLIENT_WIDTH, DesktopTestCase
from pad_samples import sample
from xdnd_drag_source import drop_files

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
    "prgname": "Quillpad",
    "prgvers": "2.0",
    "prgemail": "support@example.org",
    "prgdownl1": "https://example.org/quillpad.zip",
    "prgdownl2": "https://example.org/quillpad.tar.gz",
    "prgwww": "https://example.org/quillpad/",
    "prgo": "Your details, one click away.",
    "prgfullo": "Keeps the author's and the program's details\r\nready to paste into forms.",
}
ABOUT_WIDTH = 312


@unittest.skipUnless(SCREENSHOTS, "set QUILLPAD_SCREENSHOTS to a folder to take screenshots")
class Screenshots(DesktopTestCase):

    def save(self, window, name, width):
        """Save the window's picture under name and check it is a PNG that wide."""
        folder = os.path.join(HERE, SCREENSHOTS)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name)
        self.desktop.screenshot(window, path)
        with open(path, "rb") as f:
            header = f.read(24)
        self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(int.from_bytes(header[16:20], "big"), width)

    def test_main_window_first_page(self):
        self.desktop.seed_settings(SAMPLE_PROFILE)
        window = self.launch_and_show()
        self.save(window, "main-window.png", CLIENT_WIDTH)

    def test_program_page(self):
        self.desktop.seed_settings(SAMPLE_PROFILE)
        window = self.launch_and_show()
        self.desktop.show_page(2)
        self.save(window, "program-page.png", CLIENT_WIDTH)

    def test_about_window(self):
        self.launch_and_show()
        about = self.desktop.open_about()
        self.save(about, "about-window.png", ABOUT_WIDTH)

    def test_question_of_a_dropped_pad_file(self):
        # A profile begun by hand: the question names the boxes whose text would go.
        self.desktop.seed_settings(
            {key: SAMPLE_PROFILE[key] for key in ("name", "lastname", "email", "comments")})
        self.launch_and_show()
        path = sample("pad311").write(self.desktop.root_dir)
        outcome = drop_files(self.desktop.display_name, *self.desktop.box_point("company"),
                             [path])
        self.assertTrue(outcome, outcome.message)
        question = self.desktop.wait_message_box()
        self.save(question, "pad-question.png", self.desktop.geometry(question).width)

if __name__ == "__main__":
    unittest.main()
