"""The changelog is where a release is written: its newest entry names the version the
build gives the program and the package."""

import os
import unittest

import changelog


class Changelog(unittest.TestCase):

    def test_newest_entry_is_the_version_the_build_gives(self):
        newest_version, _ = changelog.entries()[0]
        self.assertEqual(newest_version, os.environ["QUILLPAD_VERSION"],
                         "CMakeLists.txt and CHANGELOG name different versions: a release "
                         "gets a changelog entry for the version it sets")

    def test_entries_go_from_newest_to_oldest(self):
        dates = [date for _, date in changelog.entries()]
        self.assertEqual(dates, sorted(dates, reverse=True))


if __name__ == "__main__":
    unittest.main()
