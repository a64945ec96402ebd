"""An installed Quillpad under some prefix, and the checks every installed copy must pass.

The same checks run on a tree that `cmake --install` made, on the tree inside the Debian
package and on the package installed into /usr.
"""

import configparser
import gzip
import os
import shlex
import shutil
import struct
import subprocess
from xml.etree import ElementTree

import changelog

ENTRY_SECTION = "Desktop Entry"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
# What menus, panels and software centres ask the icon theme for at the least.
REQUIRED_ICON_SIZES = {16, 32, 48}
# Debian names the folder of a package's documents after the package.
DOC_FOLDER = "quillpad"
LICENCE = os.path.join(changelog.SOURCE_ROOT, "LICENSE")


def app_id():
    """The reverse-DNS id the build gave the menu entry and the AppStream data."""
    return os.environ["QUILLPAD_APP_ID"]


def build_dir():
    return os.environ["QUILLPAD_BUILD_DIR"]


def run(*command, **kwargs):
    """Run a command, failing with its output when it fails."""
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed ({result.returncode}):\n"
                             f"{result.stdout}{result.stderr}")
    return result.stdout


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != PNG_SIGNATURE:
        raise AssertionError(f"{path} is not a PNG image")
    return struct.unpack(">II", header[16:24])


class InstalledTree:
    """The files of one installed copy, found the way a desktop finds them."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.share = os.path.join(prefix, "share")
        self.desktop_file = os.path.join(self.share, "applications", f"{app_id()}.desktop")
        self.metainfo_file = os.path.join(self.share, "metainfo", f"{app_id()}.metainfo.xml")
        self.manual_page = os.path.join(self.share, "man", "man1", "Quillpad.1.gz")
        self.copyright_file = os.path.join(self.share, "doc", DOC_FOLDER, "copyright")
        self.changelog_file = os.path.join(self.share, "doc", DOC_FOLDER, "changelog.gz")

    def entry(self):
        """The keys of the menu entry's [Desktop Entry] group."""
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str  # keys are case-sensitive
        parser.read(self.desktop_file, encoding="utf-8")
        return parser[ENTRY_SECTION]

    def exec_program(self):
        """The program the entry's Exec line starts, looked up the way a launcher does:
        by PATH, with this prefix's bin folder first."""
        command = [word for word in shlex.split(self.entry()["Exec"])
                   if not word.startswith("%")]
        search = os.pathsep.join([os.path.join(self.prefix, "bin"),
                                  os.environ.get("PATH", "/usr/bin:/bin")])
        program = shutil.which(command[0], path=search)
        if program is None:
            raise AssertionError(f"Exec={self.entry()['Exec']} names no program on {search}")
        return os.path.realpath(program)

    def icons(self):
        """Pixel size of the theme folder -> file, for the entry's Icon in hicolor."""
        theme = os.path.join(self.share, "icons", "hicolor")
        name = self.entry()["Icon"] + ".png"
        found = {}
        for folder in os.listdir(theme) if os.path.isdir(theme) else []:
            path = os.path.join(theme, folder, "apps", name)
            if os.path.isfile(path):
                width, height = folder.split("x")
                found[(int(width), int(height))] = path
        return found


class InstalledTreeChecks:
    """Assertions for a unittest.TestCase whose `tree` attribute is an InstalledTree."""

    tree = None

    def test_menu_entry_is_valid(self):
        run("desktop-file-validate", self.tree.desktop_file)

    def test_menu_entry_names_and_describes_the_program_in_english_and_russian(self):
        entry = self.tree.entry()
        for key in ("Name", "Name[ru]", "Comment", "Comment[ru]"):
            self.assertTrue(entry.get(key, "").strip(), f"the menu entry has no {key}")
        self.assertIn("Utility", entry["Categories"].split(";"))

    def test_menu_entry_starts_the_installed_program(self):
        installed = os.path.realpath(os.path.join(self.tree.prefix, "bin", "Quillpad"))
        self.assertTrue(os.access(installed, os.X_OK), f"{installed} is not executable")
        self.assertEqual(self.tree.exec_program(), installed)

    def test_icon_comes_in_the_sizes_desktops_ask_for(self):
        icons = self.tree.icons()
        sizes = {width for width, height in icons if width == height}
        self.assertLessEqual(REQUIRED_ICON_SIZES, sizes, f"icons installed: {sorted(icons)}")
        for folder_size, path in icons.items():
            self.assertEqual(png_size(path), folder_size, path)

    def test_appstream_data_is_valid_and_names_the_installed_files(self):
        run("appstreamcli", "validate", "--pedantic", "--no-net", self.tree.metainfo_file)
        component = ElementTree.parse(self.tree.metainfo_file).getroot()
        self.assertEqual(component.findtext("id"), app_id())
        launchable = component.findtext("launchable[@type='desktop-id']")
        self.assertEqual(launchable, os.path.basename(self.tree.desktop_file))
        for binary in component.iterfind("provides/binary"):
            self.assertTrue(os.path.isfile(os.path.join(self.tree.prefix, "bin", binary.text)),
                            f"AppStream names the program {binary.text}, which is not installed")

    def test_appstream_releases_are_the_changelog_entries(self):
        component = ElementTree.parse(self.tree.metainfo_file).getroot()
        releases = [(release.get("version"), release.get("date"))
                    for release in component.iterfind("releases/release")]
        self.assertEqual(releases, changelog.entries())

    def test_manual_page_renders_without_warnings(self):
        # As Debian's checker reads it: UTF-8, 80 columns, every groff warning shown.
        result = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", self.tree.manual_page],
                                capture_output=True, text=True,
                                env={**os.environ, "LC_ALL": "C.UTF-8", "MANWIDTH": "80"})
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertIn("Quillpad.ini", result.stdout)
        self.assertIn("XDG_CONFIG_HOME", result.stdout)

    def test_copyright_file_carries_the_licence(self):
        with open(self.tree.copyright_file, encoding="utf-8") as f:
            copyright_text = f.read()
        with open(LICENCE, encoding="utf-8") as f:
            licence = f.read()
        self.assertTrue(copyright_text.startswith(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
        terms = licence[licence.index("Permission is hereby granted"):].split()
        # Debian's format writes the licence's blank lines as lines of a lone full stop.
        self.assertIn(" ".join(terms),
                      " ".join(word for word in copyright_text.split() if word != "."))

    def test_changelog_is_the_projects_compressed(self):
        with gzip.open(self.tree.changelog_file, "rt", encoding="utf-8") as f:
            installed = f.read()
        with open(changelog.CHANGELOG, encoding="utf-8") as f:
            self.assertEqual(installed, f.read())


class StartsFromMenuEntry:
    """For a DesktopTestCase with `tree`: the menu entry's command starts the program."""

    tree = None

    def test_menu_entry_command_starts_the_program_into_the_tray(self):
        self.desktop.launch(self.tree.exec_program())
        self.desktop.tray_icon()
        self.assert_stays_hidden()
        self.desktop.choose_tray_exit()
        self.assert_exits_cleanly()
