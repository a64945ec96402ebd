"""Files dropped on the window that give nothing to fill, or that would make an XML reader
expand entities without end or read another file: each is explained and changes no box, in
one run of the program, which then saves the profile as it was."""

import os
import unittest

from desktop import DesktopTestCase
from pad_samples import BAD_NAMES, FIELD_KEYS, sample
from reliability import record
from xdnd_drag_source import drop_files

AREA = "Dropped PAD files"
STORED = {"name": "Элинор", "company": "Old Company", "prgname": "OldNotes"}


class BadPadFiles(DesktopTestCase):

    def drops(self):
        """What is dropped, by what it is, as the paths of the files dropped together."""
        folder = self.desktop.root_dir
        drops = {name: [sample(name).write(folder)] for name in BAD_NAMES}
        drops["a folder"] = [folder]
        dangling = os.path.join(folder, "gone.xml")
        os.symlink(os.path.join(folder, "nowhere.xml"), dangling)
        drops["a file that cannot be read"] = [dangling]
        drops["two PAD files at once"] = [sample(name).write(folder)
                                          for name in ("pad311", "pad40")]
        return drops

    def test_each_is_explained_and_changes_nothing(self):
        self.desktop.seed_settings(STORED)
        self.launch_and_show()
        drops = self.drops()
        for what, paths in drops.items():
            with self.subTest(what):
                outcome = drop_files(self.desktop.display_name,
                                     *self.desktop.box_point("company"), paths)
                self.assertTrue(outcome, outcome.message)
                self.desktop.dismiss_message_box(self.desktop.wait_message_box())
        self.save_and_exit()
        saved = self.assert_all_keys_saved()
        self.assertEqual({key: saved[key] for key in FIELD_KEYS},
                         {key: STORED.get(key, "") for key in FIELD_KEYS})
        record(AREA,
               "not XML; another root element; a billion-laughs declaration; an entity naming "
               "/etc/passwd; 6 MB; a folder; a dangling link; two files at once",
               "each told why in a message; no box changed; the exit saved the profile as it "
               "was", count=len(drops))


if __name__ == "__main__":
    unittest.main()
