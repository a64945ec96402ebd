"""Quillpad.exe as a Windows program of today: it carries an application manifest, its
process is aware of the screen's scale, and it lays itself out by the screen's real dots
per inch, as it always has."""

import os
import subprocess
import unittest
import xml.etree.ElementTree as ElementTree

from desktop import DEFAULT_TIMEOUT
from wine_desktop import WINE_TIMEOUT, WineDesktop

READ_MANIFEST = os.environ["QUILLPAD_READ_MANIFEST"]
READ_DPI_AWARENESS = os.environ["QUILLPAD_READ_DPI_AWARENESS"]

ASSEMBLY = "{urn:schemas-microsoft-com:asm.v1}"
ASSEMBLY_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
WINDOWS_SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
# Windows 7, 8, 8.1, and 10 and 11.
SUPPORTED_WINDOWS = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                     "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                     "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                     "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}
# The window below its title bar, menu bar included, at each screen scale.
SIZE_AT = {96: (326, 466), 144: (489, 699), 192: (652, 931)}


class Manifest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.desktop = WineDesktop()
        cls.addClassCleanup(cls.desktop.close)
        cls.desktop.start()

    def run_helper(self, *command):
        finished = subprocess.run([self.desktop.loader, *command], env=self.desktop.environment(),
                                  capture_output=True, timeout=WINE_TIMEOUT)
        self.assertEqual(finished.returncode, 0, finished.stderr)
        return finished.stdout

    def test_the_program_carries_its_manifest(self):
        manifest = ElementTree.fromstring(self.run_helper(READ_MANIFEST, self.desktop.exe))
        controls = manifest.find(f"{ASSEMBLY}dependency/{ASSEMBLY}dependentAssembly/"
                                 f"{ASSEMBLY}assemblyIdentity")
        self.assertEqual(controls.get("name"), "Microsoft.Windows.Common-Controls")
        self.assertEqual(controls.get("version"), "6.0.0.0")
        level = manifest.find(f".//{ASSEMBLY_V3}requestedExecutionLevel")
        self.assertEqual(level.get("level"), "asInvoker")
        supported = {os_.get("Id") for os_ in manifest.iter(f"{COMPATIBILITY}supportedOS")}
        self.assertEqual(supported, SUPPORTED_WINDOWS)
        self.assertEqual(manifest.find(f".//{WINDOWS_SETTINGS}dpiAware").text, "true")
        self.assertEqual(manifest.find(f".//{WINDOWS_SETTINGS_2016}dpiAwareness").text, "system")

    def test_aware_of_the_screens_scale_it_lays_out_as_before_at_96_144_and_192(self):
        self.addCleanup(self.desktop.set_dots_per_inch, 96)
        for dots, size in SIZE_AT.items():
            with self.subTest(dots=dots):
                self.desktop.forget_profile()
                self.desktop.set_dots_per_inch(dots)
                self.desktop.store_profile({"left": "0", "top": "0"})  # all of it on screen
                self.desktop.launch()
                self.desktop.double_click_tray_icon()
                window = self.desktop.wait_main_window_mapped(WINE_TIMEOUT)
                # Wine 8 answers so for every process; Windows, only for one that says so.
                self.assertEqual(self.run_helper(READ_DPI_AWARENESS).decode().strip(), "aware")
                geometry = self.desktop.geometry(window)
                self.assertEqual((geometry.width, geometry.height), size)
                self.desktop.end_program()
                self.desktop._end_wine()


if __name__ == "__main__":
    unittest.main()
