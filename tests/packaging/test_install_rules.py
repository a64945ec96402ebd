"""`cmake --install` into a fresh prefix: the program, its menu entry, icons and AppStream
data land where desktops look for them, and the menu entry starts the program."""

import shutil
import tempfile
import unittest

from desktop import DesktopTestCase
from installed_tree import InstalledTree, InstalledTreeChecks, StartsFromMenuEntry, build_dir, run

prefix = None


def setUpModule():
    global prefix
    prefix = tempfile.mkdtemp(prefix="quillpad-install-")
    unittest.addModuleCleanup(shutil.rmtree, prefix, ignore_errors=True)
    run("cmake", "--install", build_dir(), "--prefix", prefix)


class InstalledFiles(InstalledTreeChecks, unittest.TestCase):

    def setUp(self):
        self.tree = InstalledTree(prefix)


class StartFromInstalledMenuEntry(StartsFromMenuEntry, DesktopTestCase):

    def setUp(self):
        super().setUp()
        self.tree = InstalledTree(prefix)


if __name__ == "__main__":
    unittest.main()
