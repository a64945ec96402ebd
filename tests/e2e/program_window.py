"""The program's windows as a person sees and uses them: the main window, its two pages with
their text boxes and "!" copy buttons, the catalogue drop-down, pop-ups, message boxes and
the About window."""

from waiting import DEFAULT_TIMEOUT, wait_until

MAIN_WINDOW_TITLE = "Quillpad v2"

# Client area of the main window, in pixels.
CLIENT_WIDTH = 326
CLIENT_HEIGHT = 447
FIRST_RUN_CLIENT_ORIGIN = (491, 68)
TWIPS_PER_PIXEL = 15

# Text boxes of both pages span client x 152..305 (named by their settings key); row
# tops in client pixels. Each box's "!" copy button sits at the right end of its row.
BOX_LEFT = 152
BOX_TOPS = {
    "name": 8, "lastname": 24, "midname": 40, "company": 80, "title": 128,
    "street1": 160, "streer2": 176, "city": 192, "state": 232, "county": 280,
    "zip": 312, "email": 352, "phone": 368, "fax": 384, "comments": 408,
}
PROGRAM_BOX_TOPS = {
    "prgname": 80, "prgvers": 96, "prgemail": 128, "prgdownl1": 160, "prgdownl2": 176,
    "prgwww": 192, "prgo": 232, "prgfullo": 248,
}
MULTI_LINE_BOXES = {"comments", "prgfullo"}
COPY_BUTTON_LEFT = 304
# Page buttons "1" and "2" (33x17) and the program page's drop-down and "Перейти!" button.
PAGE_BUTTONS = {1: (8, 424), 2: (40, 424)}
CATALOGUE_LIST = (24, 24, 145, 21)
GO_BUTTON = (184, 24, 105, 25)

# Client points (top-left of a small patch) inside controls of one page only, where the
# other page shows bare background. Page 1: the first name, county, zip, e-mail, fax and
# comments boxes; page 2: the drop-down, the version box and its "!", the full
# description box and its "!".
PAGE_MARKS = {
    1: [(280, 12), (280, 284), (280, 316), (280, 356), (280, 388), (240, 414)],
    2: [(100, 28), (280, 100), (307, 100), (240, 256), (307, 256)],
}
MARK_SIZE = 4
LIGHT = 180  # every channel at least this: a control's face, not red text

# What the clipboard holds before a "!" is pressed, so that a stale copy shows.
NOT_COPIED = "(nothing copied yet)"

# The items of the menu bar's one menu "Меню", top to bottom, and where "Меню" stands on
# the menu bar, in pixels from the window's left edge.
WINDOW_MENU_ITEMS = ("Скрыть", "О программе", "Выход")
WINDOW_MENU_LEFT = 20

ABOUT_TITLE = "About"
MESSAGE_BOX_TITLE = "Quillpad"


def box_top(box):
    """Client y of a text box's top, on whichever page it is."""
    return BOX_TOPS[box] if box in BOX_TOPS else PROGRAM_BOX_TOPS[box]


class ProgramWindow:
    """Finds the program's windows (by title, or its X class self.app_name) and works
    their controls, placed in client pixels of the main window."""

    def main_window(self):
        """The main window; Qt may recreate it, so look it up afresh each time."""
        windows = self.windows_named(MAIN_WINDOW_TITLE)
        mapped = [w for w in windows if self.is_mapped(w)]
        return (mapped or windows or [None])[0]

    def main_window_mapped(self):
        return bool(self.mapped_windows_named(MAIN_WINDOW_TITLE))

    def wait_main_window_mapped(self, timeout=DEFAULT_TIMEOUT):
        wait_until(self.main_window_mapped, timeout, what="the main window to show")
        return self.main_window()

    def client_origin(self, window):
        """Screen pixel of the client area's top-left: the menu bar sits above it."""
        outer = self.geometry(window)
        return outer.x, outer.y + outer.height - CLIENT_HEIGHT

    def outer_and_client(self, window):
        """The frame's top-left corner and the client area's, in screen pixels."""
        frame = self.geometry(self.frame_of(window))
        return (frame.x, frame.y), self.client_origin(window)

    def client_point(self, x, y):
        """The screen point of a pixel of the main window's client area."""
        client_x, client_y = self.client_origin(self.main_window())
        return client_x + x, client_y + y

    def click_client(self, x, y):
        self.click_at(*self.client_point(x, y))

    def box_point(self, box):
        """A screen point inside a text box of either page, near its left end."""
        return self.client_point(BOX_LEFT + 10, box_top(box) + 8)

    def click_box(self, box):
        self.click_at(*self.box_point(box))

    def type_into(self, box, text):
        """Append text to a box: clicking gives it the keyboard focus without a WM."""
        self._bind_keys_for(text)
        self.click_box(box)
        self.key("ctrl+End" if box in MULTI_LINE_BOXES else "End")
        for number, line in enumerate(text.split("\n")):
            if number:
                self.key("Return")
            if line:
                self.xdotool("type", "--delay", 15, "--", line)

    def focus_main_window(self):
        """Give the main window the keyboard focus by clicking a box (no WM does it)."""
        self.click_box("name")
        self.wait_focus_on(self.main_window())

    def choose_from_window_menu(self, item):
        """Click "Меню" on the menu bar, then one of its items."""
        place = self.geometry(self.main_window())
        self.click_at(place.x + WINDOW_MENU_LEFT, place.y + (place.height - CLIENT_HEIGHT) // 2)
        menu = self.geometry(self.wait_popup_menu())
        row, rows = WINDOW_MENU_ITEMS.index(item), len(WINDOW_MENU_ITEMS)
        self.click_at(menu.x + menu.width // 2, menu.y + menu.height * (2 * row + 1) // (2 * rows))

    def popup_menu(self):
        """A mapped pop-up of the program (menu or drop-down list): a top-level window
        that is neither its main window nor its About window."""
        for window in self.top_level_windows():
            wm_class = self.window_class(window)
            if (wm_class and self.app_name in wm_class and self.is_mapped(window)
                    and self.window_name(window) not in (MAIN_WINDOW_TITLE, ABOUT_TITLE)):
                return window
        return None

    def wait_popup_menu(self):
        return wait_until(self.popup_menu, what="a pop-up menu or list to open")

    def wait_popup_closed(self):
        wait_until(lambda: self.popup_menu() is None, what="the pop-up to close")

    # ---- the pages, their "!" buttons and the catalogue -------------------

    def click_copy_button(self, box):
        """Press the "!" on the box's row; which page is shown decides what it copies."""
        self.click_client(COPY_BUTTON_LEFT + 8, box_top(box) + 8)

    def copy_with_button(self, box):
        """Press the box's "!" and return the text another program then pastes.

        Another program owns the clipboard first, so that a stale copy is told apart."""
        self.put_on_clipboard(NOT_COPIED)
        self.click_copy_button(box)
        copied = wait_until(self._copied_text, what=f"the {box} box's copy")
        return copied[0]

    def _copied_text(self):
        # Between clearing and filling the clipboard it can have no owner for a moment.
        text = self.clipboard_text()
        return None if text in (None, NOT_COPIED) else [text]

    def press_page_button(self, number):
        """Press the page button "1" (author) or "2" (program)."""
        left, top = PAGE_BUTTONS[number]
        self.click_client(left + 16, top + 8)

    def show_page(self, number):
        """Press the page's button and wait until the page is drawn."""
        self.press_page_button(number)
        self.wait_page(number)

    def page_shown(self):
        """1 or 2 when exactly that page's controls are drawn, else None."""
        lit = {page: [self._control_drawn_at(*mark) for mark in marks]
               for page, marks in PAGE_MARKS.items()}
        shown = [page for page, drawn in lit.items() if all(drawn)]
        hidden = [page for page, drawn in lit.items() if not any(drawn)]
        return shown[0] if len(shown) == 1 and len(hidden) == 1 else None

    def wait_page(self, number):
        wait_until(lambda: self.page_shown() == number, what=f"page {number} to show")

    def _control_drawn_at(self, x, y):
        # Boxes, buttons and the drop-down are light; labels are red on the black window.
        patch = self.screen_pixels(*self.client_point(x, y), MARK_SIZE, MARK_SIZE)
        return any(min(pixel) >= LIGHT for row in patch for pixel in row)

    def open_catalogue_list(self):
        """Click the program page's drop-down; returns its pop-up list."""
        left, top, width, height = CATALOGUE_LIST
        self.click_client(left + width // 2, top + height // 2)
        return self.wait_popup_menu()

    def press_go(self):
        """Press "Перейти!", which hands the drop-down's text to the desktop."""
        left, top, width, height = GO_BUTTON
        self.click_client(left + width // 2, top + height // 2)

    # ---- messages ---------------------------------------------------------

    def message_boxes(self):
        return self.mapped_windows_named(MESSAGE_BOX_TITLE)

    def wait_message_box(self):
        return wait_until(self.message_boxes, what="the message box")[0]

    def dismiss_message_box(self, box):
        """Press Enter in the message box, as its OK button has the focus."""
        self.activate(box)
        self.key("Return")
        wait_until(lambda: not self.message_boxes(), what="the message box to close")

    # ---- the About window -------------------------------------------------

    def about_window(self):
        found = self.mapped_windows_named(ABOUT_TITLE)
        return found[0] if found else None

    def open_about(self):
        """Ctrl+A in the main window (a text box has the focus); returns the About window."""
        self.focus_main_window()
        self.key("ctrl+a")
        return self.wait_about_window()

    def wait_about_window(self):
        return wait_until(self.about_window, what="the About window to show")

    def about_point(self, about, x, y):
        """Screen point of an About window pixel: with no window manager the X window is
        its client area."""
        place = self.geometry(about)
        return place.x + x, place.y + y
