"""The program's profile on disk: its settings file under XDG_CONFIG_HOME, seeded before a
start and read back after one."""

import os

from quillpad_ini import read_ini, write_ini

SETTINGS_SECTION = "Setting"
SETTINGS_KEYS = (
    "name midname lastname company title street1 streer2 city state county zip "
    "email phone fax comments top left prgvers prgfullo prgname prgemail "
    "prgdownl1 prgdownl2 prgwww prgo").split()


def big_text_scale():
    """How much of the tests' huge texts to use. Under the sanitizers the toolkit's settings
    writer grows its buffer a character at a time, each growth a full copy, so a huge value
    takes minutes; there the same code is checked on smaller texts."""
    return float(os.environ.get("QUILLPAD_E2E_BIG_TEXT_SCALE", "1"))


class ProfileFiles:
    """The settings file of the program named self.app_name under self.config_home."""

    def ini_path(self, app_name=None):
        name = app_name or self.app_name
        return os.path.join(self.config_home, name, f"{name}.ini")

    def read_settings(self, app_name=None):
        """The program's [Setting] values as text, parsed the way QSettings reads them."""
        return read_ini(self.ini_path(app_name)).get(SETTINGS_SECTION, {})

    def seed_settings(self, values, app_name=None):
        path = self.ini_path(app_name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        write_ini(path, {SETTINGS_SECTION: values})

    def ini_bytes(self, app_name=None):
        with open(self.ini_path(app_name), "rb") as f:
            return f.read()
