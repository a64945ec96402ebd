"""The Debian package: what it declares and holds and, run as root, installing it into this
system with dpkg, starting the program from the installed menu entry, and removing it so that
the system is left as it was found."""

import glob
import os
import shutil
import subprocess
import tempfile
import time
import unittest

import changelog
from desktop import DesktopTestCase
from installed_tree import InstalledTree, InstalledTreeChecks, StartsFromMenuEntry, build_dir, run

PACKAGE_NAME = "quillpad"
PACKAGE_FOLDER = "package"
SYSTEM_PREFIX = "/usr"
# The font the windows fall back on, and the command that opens web and mail links.
FALLBACK_FONT = "Liberation Sans"
LINK_OPENER = "xdg-open"
# Another package manager run on this machine holds dpkg's lock for a while.
DPKG_LOCK_WAIT = 300.0
# What lintian may say at its lowest levels (information and pedantic), and why each may
# stay. Anything else it says, or anything it warns about, fails the package.
ACCEPTED_LINTIAN_INFORMATION = {
    # The build takes the hardening flags a distribution passes (dpkg-buildflags' CXXFLAGS
    # and LDFLAGS, where -z now comes from); it does not fix them in its own files.
    "hardening-no-bindnow",
    # Even built with -D_FORTIFY_SOURCE=2 the program has no call the compiler cannot prove
    # safe, so no checked variant is linked and lintian cannot tell it from an unfortified
    # build.
    "hardening-no-fortify-functions",
    # CPack's strip removes the symbols but keeps the compilers' version notes (.comment).
    "binary-has-unneeded-section",
}

package = None
unpacked = None


def setUpModule():
    """Build the package into the build tree, where the README tells users to find it."""
    global package, unpacked
    output = os.path.join(build_dir(), PACKAGE_FOLDER)
    for stale in glob.glob(os.path.join(output, "*.deb")):
        os.remove(stale)
    run("cpack", "--config", os.path.join(build_dir(), "CPackConfig.cmake"), "-G", "DEB",
        "-B", output)
    built = glob.glob(os.path.join(output, "*.deb"))
    if len(built) != 1:
        raise AssertionError(f"cpack made {built}, not one .deb")
    package = built[0]
    unpacked = tempfile.mkdtemp(prefix="quillpad-deb-")
    unittest.addModuleCleanup(shutil.rmtree, unpacked, ignore_errors=True)
    run("dpkg-deb", "-x", package, unpacked)


def package_files():
    """Where the package's files (not its folders) go on the system."""
    return [line.split()[-1].removeprefix(".")
            for line in run("dpkg-deb", "-c", package).splitlines() if not line.startswith("d")]


def declared_dependencies():
    """Names of the packages the package depends on, alternatives included."""
    names = set()
    for clause in run("dpkg-deb", "-f", package, "Depends").split(","):
        for alternative in clause.split("|"):
            if alternative.strip():
                names.add(alternative.split("(")[0].strip().split(":")[0])
    return names


def owning_package(path):
    """The installed package that holds path; /lib and /usr/lib are one folder here."""
    twins = [path, path.removeprefix("/usr")] if path.startswith("/usr/") else [path,
                                                                                "/usr" + path]
    for candidate in twins:
        result = subprocess.run(["dpkg-query", "-S", candidate], capture_output=True, text=True)
        if result.returncode == 0:
            return result.stdout.split(":")[0]
    raise AssertionError(f"no installed package holds {path}")


def linked_libraries(binary):
    """Path of each shared library the binary names itself (not those they pull in)."""
    needed = [line.split("[")[1].rstrip("]") for line in run("readelf", "-d", binary).splitlines()
              if "(NEEDED)" in line]
    resolved = {}
    for line in run("ldd", binary).splitlines():
        name, arrow, rest = line.strip().partition(" => ")
        if arrow and rest.startswith("/"):
            resolved[name] = rest.split(" (")[0]
    missing = [name for name in needed if name not in resolved]
    if missing:
        raise AssertionError(f"ldd did not find {missing}")
    return [resolved[name] for name in needed]


def dpkg(*args):
    """Run dpkg, waiting while another package manager holds its lock."""
    deadline = time.monotonic() + DPKG_LOCK_WAIT
    while True:
        result = subprocess.run(["dpkg", *args], capture_output=True, text=True,
                                env={**os.environ, "DEBIAN_FRONTEND": "noninteractive"})
        if result.returncode == 0:
            return result.stdout
        if "locked by another process" not in result.stderr or time.monotonic() > deadline:
            raise AssertionError(f"dpkg {' '.join(args)} failed ({result.returncode}):\n"
                                 f"{result.stdout}{result.stderr}")
        time.sleep(2)


def package_status():
    result = subprocess.run(["dpkg-query", "-W", "-f", "${db:Status-Status}", PACKAGE_NAME],
                            capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else "not-installed"


class PackageContents(InstalledTreeChecks, unittest.TestCase):

    def setUp(self):
        self.tree = InstalledTree(os.path.join(unpacked, SYSTEM_PREFIX.lstrip("/")))

    def test_debians_checker_finds_nothing_but_the_accepted_information(self):
        result = subprocess.run(["lintian", "--no-cfg", "--display-info", "--pedantic",
                                 "--fail-on", "error,warning", package],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        tags = {line.split(": ")[2].split()[0] for line in result.stdout.splitlines()}
        self.assertEqual(tags - ACCEPTED_LINTIAN_INFORMATION, set(), result.stdout)

    def test_version_is_the_changelogs_newest(self):
        newest_version, _ = changelog.entries()[0]
        self.assertEqual(run("dpkg-deb", "-f", package, "Version").strip(), newest_version)

    def test_everything_goes_under_the_system_prefix(self):
        outside = [path for path in package_files()
                   if not path.startswith(f"{SYSTEM_PREFIX}/")]
        self.assertEqual(outside, [])

    def test_declares_the_package_of_every_library_the_program_links(self):
        declared = declared_dependencies()
        binary = os.path.join(self.tree.prefix, "bin", "Quillpad")
        for library in linked_libraries(binary):
            self.assertIn(owning_package(library), declared, library)

    def test_declares_the_fallback_font_and_the_link_opener(self):
        family, font = run("fc-match", "-f", "%{family}\n%{file}", FALLBACK_FONT).split("\n")
        self.assertIn(FALLBACK_FONT, family, f"{FALLBACK_FONT} is not installed here")
        opener = shutil.which(LINK_OPENER)
        self.assertIsNotNone(opener, f"{LINK_OPENER} is not installed here")
        declared = declared_dependencies()
        self.assertIn(owning_package(font), declared, font)
        self.assertIn(owning_package(opener), declared, opener)

    def test_declares_the_toolkits_russian_texts(self):
        translations = os.path.join(
            run("qtpaths6", "--query", "QT_INSTALL_TRANSLATIONS").strip(), "qtbase_ru.qm")
        self.assertIn(owning_package(translations), declared_dependencies(), translations)


@unittest.skipUnless(os.geteuid() == 0,
                     "installing the package into the system needs root (CI runs as root)")
class InstalledPackage(StartsFromMenuEntry, InstalledTreeChecks, DesktopTestCase):
    """dpkg -i before the first test, dpkg -r after the last one."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # dpkg would take over and then delete files that are here already; leave them be.
        if package_status() != "not-installed":
            raise cls.failureException(f"{PACKAGE_NAME} is installed here already; remove it "
                                       f"first (dpkg -r {PACKAGE_NAME}) to run this test")
        present = [path for path in package_files() if os.path.lexists(path)]
        if present:
            raise cls.failureException(f"files of the package are here already: {present}")
        cls.tree = InstalledTree(SYSTEM_PREFIX)
        cls.addClassCleanup(cls.remove_package)
        dpkg("-i", package)

    @classmethod
    def remove_package(cls):
        if package_status() == "not-installed":
            return  # dpkg -i refused it
        files = [path for path in dpkg("-L", PACKAGE_NAME).splitlines() if os.path.isfile(path)]
        dpkg("-r", PACKAGE_NAME)
        left = [path for path in files if os.path.exists(path)]
        if package_status() != "not-installed" or left:
            raise AssertionError(f"dpkg -r left {PACKAGE_NAME} {package_status()}, files {left}")

    def test_dpkg_knows_every_installed_file(self):
        owned = set(dpkg("-L", PACKAGE_NAME).splitlines())
        for path in (self.tree.desktop_file, self.tree.metainfo_file, self.tree.manual_page,
                     self.tree.copyright_file, self.tree.changelog_file,
                     os.path.join(SYSTEM_PREFIX, "bin", "Quillpad"), *self.tree.icons().values()):
            self.assertIn(path, owned)


if __name__ == "__main__":
    unittest.main()
