"""A user with the keyboard alone, under a window manager: Tab and Shift+Tab reach every
"!" on both pages, Enter and Space press it, Alt with a letter changes no field, and the
menu opens from the keyboard. The cases both builds run, each on its own desktop."""

from desktop import SETTINGS_KEYS, wait_until
from program_window import NOT_COPIED

PROFILE = {key: f"{key} value" for key in SETTINGS_KEYS if key not in ("top", "left")}
PROFILE["comments"] = "comments\nsecond line"
PROFILE["prgfullo"] = "full description\nsecond line"

# The author page's boxes and then its "!", in the window's tab order, from the first box.
AUTHOR_BOXES = ["name", "lastname", "midname", "company", "title", "street1", "streer2", "city",
                "state", "county", "zip", "email", "phone", "fax", "comments"]
AUTHOR_BUTTONS = AUTHOR_BOXES
# From the page button "2": the drop-down, "Перейти!", then the program's boxes and "!".
PROGRAM_STOPS_FROM_PAGE_BUTTON = [
    "catalogue", "go", "prgvers", "prgvers!", "prgfullo", "prgfullo!", "prgname", "prgemail",
    "prgdownl1", "prgdownl2", "prgwww", "prgo", "prgname!", "prgemail!", "prgdownl1!",
    "prgdownl2!", "prgwww!", "prgo!"]
# Alt with a typing key; Alt+Space and Alt+Tab are the window manager's.
ALT_KEYS = ["alt+m", "alt+shift+m", "alt+1", "alt+Return"]


def same_lines(text):
    return text.replace("\r\n", "\n")


class KeyboardCases:
    """Mixed into a test case of one build: one desktop under openbox for all its cases."""

    desktop_class = None  # the build's Desktop
    # The keys that open the menu "Меню" as the desktop's habit has it.
    menu_keys = ("F10",)

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = cls.desktop_class(window_manager="openbox")
        cls.addClassCleanup(cls.shared_desktop.close)
        cls.shared_desktop.start()

    def start_program(self, profile):
        """Start the program on the profile, show its window and wait until it is active."""
        raise NotImplementedError

    def saved_profile(self):
        """The profile as the program saved it on its way out."""
        raise NotImplementedError

    def setUp(self):
        self.desktop = self.shared_desktop
        self.addCleanup(self.desktop.end_program)
        # Another program's text, long before the first press: between copies of the
        # program's own, another owner would race its clipboard under Wine.
        self.desktop.put_on_clipboard(NOT_COPIED)
        window = self.start_program(PROFILE)
        # The window manager gives the shown window the focus; the first box has it.
        wait_until(lambda: self.desktop.active_window_id() == window.id,
                   what="the window manager to activate the window")
        # Under Wine the program takes the keyboard focus itself once it has handled the
        # manager's request; a key pressed before then goes nowhere.
        self.desktop.wait_focus_on(window)

    def tab(self, times=1):
        for _ in range(times):
            self.desktop.key("Tab")

    def assert_copies(self, field, key):
        """Press the key on the focused "!": the clipboard then holds the field. Every press
        copies another field than the one before, so that a press that copied nothing shows."""
        self.desktop.key(key)
        wait_until(lambda: same_lines(self.desktop.clipboard_text() or "") == PROFILE[field],
                   what=f"{key} to copy {field}")

    def test_tab_reaches_every_copy_button_of_the_author_page(self):
        for key in ("Return", "space"):
            self.tab(len(AUTHOR_BOXES))
            for field in AUTHOR_BUTTONS:
                self.assert_copies(field, key)
                self.tab()
            # Past "1" and "2", round to the first box again.
            self.tab(2)
        # Shift+Tab walks back: from the first box past "2" and "1" to the fax's "!".
        self.desktop.key("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
        self.assert_copies("fax", "Return")

    def test_tab_reaches_every_copy_button_of_the_program_page(self):
        # From the first box past every other stop of the author page to "2".
        self.tab(len(AUTHOR_BOXES) + len(AUTHOR_BUTTONS) + 1)
        self.desktop.key("space")
        for key in ("Return", "space"):
            for stop in PROGRAM_STOPS_FROM_PAGE_BUTTON:
                self.tab()
                if stop.endswith("!"):
                    self.assert_copies(stop[:-1], key)
            # Past "1", round to "2" again.
            self.tab(2)
        # Back on "1": Enter brings the author page back, whose last "!" is before it.
        self.desktop.key("shift+Tab", "Return", "shift+Tab")
        self.assert_copies("comments", "Return")

    def test_shift_tab_walks_back_out_of_the_multi_line_boxes(self):
        self.tab(AUTHOR_BOXES.index("comments"))
        self.desktop.key("shift+Tab", "Tab", "Tab")
        self.assert_copies("name", "Return")
        self.tab(len(AUTHOR_BUTTONS) + 1)
        self.desktop.key("space")
        self.tab(PROGRAM_STOPS_FROM_PAGE_BUTTON.index("prgfullo") + 1)
        self.desktop.key("shift+Tab")
        self.assert_copies("prgvers", "Return")

    def test_alt_with_a_letter_changes_no_field(self):
        for _ in AUTHOR_BOXES:
            self.desktop.key(*ALT_KEYS)
            self.tab()
        self.tab(len(AUTHOR_BUTTONS) + 1)
        self.desktop.key("space")
        for stop in PROGRAM_STOPS_FROM_PAGE_BUTTON:
            self.tab()
            if stop.startswith("prg") and not stop.endswith("!"):
                self.desktop.key(*ALT_KEYS)
        self.desktop.key("ctrl+e")
        self.assertEqual(self.desktop.wait_for_exit(), 0, self.desktop.app_output())
        saved = self.saved_profile()
        self.assertEqual({key: same_lines(saved.get(key, "")) for key in PROFILE}, PROFILE)

    def test_the_menu_opens_from_the_keyboard(self):
        self.desktop.key(*self.menu_keys)
        self.desktop.wait_popup_menu()
        self.desktop.key("Escape")
        self.desktop.wait_popup_closed()
