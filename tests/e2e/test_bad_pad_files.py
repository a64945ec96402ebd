"""Files dropped on the window that give nothing to fill, or that would make an XML reader
expand entities without end, read another file or keep a path per level of a deep nesting:
each is explained and changes no box, in one run of the program, whose memory stays small and
which then saves the profile as it was, with what was typed before the drops."""

import os
import unittest

from desktop import DesktopTestCase
from pad_samples import BAD_NAMES, FIELD_KEYS, sample
from reliability import record
from xdnd_drag_source import drop_files

AREA = "Dropped PAD files"
STORED = {"name": "Элинор", "company": "Old Company", "prgname": "OldNotes"}
TYPED = {"name": "Элинор-A"}
# What the program may take at its peak, having read every one of the files.
PEAK_MEMORY_LIMIT_KB = 100 * 1024


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
        self.desktop.type_into("name", "-A")
        drops = self.drops()
        for what, paths in drops.items():
            with self.subTest(what):
                outcome = drop_files(self.desktop.display_name,
                                     *self.desktop.box_point("company"), paths)
                self.assertTrue(outcome, outcome.message)
                self.desktop.dismiss_message_box(self.desktop.wait_message_box())
        peak_kb = self.peak_memory_kb()
        self.assertLess(peak_kb, PEAK_MEMORY_LIMIT_KB)
        self.save_and_exit()
        saved = self.assert_all_keys_saved()
        self.assertEqual({key: saved[key] for key in FIELD_KEYS},
                         {key: TYPED.get(key, STORED.get(key, "")) for key in FIELD_KEYS})
        record(AREA,
               "not XML; another root element; a billion-laughs declaration; an entity naming "
               "/etc/passwd; 6 MB; elements nested 100,000 deep in "
               f"{os.path.getsize(drops['deeply_nested'][0]) // 1024} KB; a folder; a dangling "
               "link; two files at once",
               "each told why in a message; no box changed; the program's peak memory "
               f"{peak_kb // 1024} MB; the exit saved the profile with what was typed",
               count=len(drops))

    def peak_memory_kb(self):
        with open(f"/proc/{self.desktop.program_pid()}/status") as status:
            line = next(line for line in status if line.startswith("VmHWM:"))
        return int(line.split()[1])


if __name__ == "__main__":
    unittest.main()
