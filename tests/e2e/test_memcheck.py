"""A whole session under valgrind's memcheck: no memory of ours is ever lost.

Start, show, copy, switch pages, open About, exit; then every block valgrind finds
definitely lost is looked at, and none may have been allocated by the program's own code
(the toolkit and the system libraries keep some memory to the end by design)."""

import os
import unittest
import xml.etree.ElementTree as ElementTree

from desktop import DesktopTestCase
from reliability import record

ALLOCATORS = ("operator new", "malloc", "calloc", "realloc", "std::", "__gnu_cxx::")


def allocated_by_us(functions):
    """Whether the first caller past the allocator and the standard library is ours."""
    for fn in functions:
        if fn.startswith(ALLOCATORS):
            continue
        return fn.startswith("quillpad::") or fn == "main"
    return False


class Memcheck(DesktopTestCase):

    def leaks_of_ours(self, report):
        ours = []
        for error in ElementTree.parse(report).getroot().iter("error"):
            if error.findtext("kind") != "Leak_DefinitelyLost":
                continue
            frames = error.find("stack").iter("frame")
            functions = [frame.findtext("fn") or "" for frame in frames]
            if allocated_by_us(functions):
                ours.append(error.findtext("xwhat/text") + "\n  " + "\n  ".join(functions))
        return ours

    def test_session_loses_no_memory_of_ours(self):
        report = os.path.join(self.desktop.root_dir, "memcheck.xml")
        self.desktop.seed_settings({"name": "Ann", "prgname": "Quillpad"})
        self.desktop.launch(wrapper=[
            "valgrind", "--tool=memcheck", "--leak-check=full",
            "--show-leak-kinds=definite", "--xml=yes", f"--xml-file={report}",
            "--num-callers=30"])
        self.desktop.show_from_tray()
        self.assertEqual(self.desktop.copy_with_button("name"), "Ann")
        self.desktop.show_page(2)
        self.assertEqual(self.desktop.copy_with_button("prgname"), "Quillpad")
        self.desktop.show_page(1)
        self.desktop.open_about()
        self.save_and_exit()
        leaks = self.leaks_of_ours(report)
        self.assertEqual(leaks, [], "\n".join(leaks))
        record("Memory", "a session under valgrind memcheck: start, show, copy on both pages, "
               "About, exit", "no block definitely lost from the program's own code")


if __name__ == "__main__":
    unittest.main()
