"""The About window: its place, its two links that light up and open, and its life."""

import os
import unittest

from desktop import (ABOUT_TITLE, CLIENT_HEIGHT, DOUBLE_CLICK_SETTLE, DesktopTestCase,
                     holds_throughout, wait_until)

ABOUT_PLACE = (116, 266, 312, 72)
WHOLE_WINDOW = (0, 0) + ABOUT_PLACE[2:]
# Labels in About window pixels (x, y, width, height).
TITLE = (8, 8, 153, 25)
LINKS = {"e-mail": (176, 8, 121, 25), "web": (16, 40, 217, 25)}
# The maker's addresses are build settings; the build hands them to the tests.
LINK_TARGETS = {"e-mail": f"mailto:{os.environ['QUILLPAD_MAKER_EMAIL']}?subject=Quillpad v.1",
                "web": os.environ["QUILLPAD_MAKER_WEB"]}
# Points of the window with no label on them: between the two rows of labels, and on
# the banner's red line art at the right.
BACKGROUND = (168, 36)
BANNER = (280, 60)
RED = (255, 0, 0)
WHITE = (255, 255, 255)


def centre(rect):
    x, y, width, height = rect
    return x + width // 2, y + height // 2


class AboutWindow(DesktopTestCase):

    def open_about(self):
        self.about = self.desktop.open_about()
        for link in LINKS:
            wait_until(lambda: WHITE in self.pixels(LINKS[link]),
                       what=f"the {link} link to be drawn in white")
        return self.about

    def pixels(self, rect):
        """What the screen shows in a rectangle of the About window, flattened."""
        x, y, width, height = rect
        rows = self.desktop.screen_pixels(*self.desktop.about_point(self.about, x, y),
                                          width, height)
        return [pixel for row in rows for pixel in row]

    def point_at(self, x, y):
        self.desktop.move_to(*self.desktop.about_point(self.about, x, y))

    def light(self, link, normal):
        """Move onto the link; returns its pixels once they change from normal."""
        self.point_at(*centre(LINKS[link]))
        return wait_until(lambda: self.changed_from(LINKS[link], normal),
                          what=f"the {link} link to change colour")

    def changed_from(self, rect, before):
        now = self.pixels(rect)
        return now if now != before else None

    def normal_links(self):
        return {link: self.pixels(rect) for link, rect in LINKS.items()}

    def assert_link_shows(self, link, expected):
        wait_until(lambda: self.pixels(LINKS[link]) == expected,
                   what=f"the {link} link to look as expected")

    def assert_link_keeps(self, link, expected):
        self.assertTrue(holds_throughout(lambda: self.pixels(LINKS[link]) == expected,
                                         DOUBLE_CLICK_SETTLE), f"the {link} link changed")

    def assert_lights_pure_red(self, link):
        normal = self.normal_links()
        lit = self.light(link, normal[link])
        # Only the glyphs change: the banner's red line art behind them stays as it was.
        glyphs = [i for i, pixel in enumerate(lit) if pixel != normal[link][i]]
        self.assertIn(RED, [lit[i] for i in glyphs], f"the lit {link} link is not pure red")
        self.assertNotIn(RED, [normal[link][i] for i in glyphs],
                         f"the {link} link was red before the pointer came")
        self.assertIn(WHITE, [normal[link][i] for i in glyphs])
        other = next(name for name in LINKS if name != link)
        self.assert_link_keeps(other, normal[other])
        self.point_at(*BACKGROUND)
        self.assert_link_shows(link, normal[link])

    def shows_red(self, rect):
        """The screen's pixels in the rectangle once some are pure red, else None."""
        rows = self.desktop.screen_pixels(*rect)
        return rows if any(RED in row for row in rows) else None

    # ---- opening ----------------------------------------------------------

    def test_ctrl_a_opens_about_in_place(self):
        self.launch_and_show()
        about = self.open_about()
        place = self.desktop.geometry(about)
        self.assertEqual((place.x, place.y, place.width, place.height), ABOUT_PLACE)
        self.assertNotIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(about))

    def test_menu_item_opens_about(self):
        window = self.launch_and_show()
        place = self.desktop.geometry(window)
        menu_bar_height = place.height - CLIENT_HEIGHT
        self.desktop.click_at(place.x + 20, place.y + menu_bar_height // 2)
        # "О программе" is the middle one of the menu's three items.
        self.desktop.click_at(*self.desktop.geometry(self.desktop.wait_popup_menu()).centre)
        self.desktop.wait_about_window()

    def test_ctrl_a_opens_about_from_multi_line_box(self):
        self.launch_and_show()
        self.desktop.click_box("comments")
        self.desktop.key("ctrl+a")
        self.desktop.wait_about_window()

    def test_opening_twice_keeps_one_window(self):
        self.launch_and_show()
        self.open_about()
        self.desktop.focus_main_window()
        self.desktop.key("ctrl+a")
        self.assertTrue(holds_throughout(
            lambda: len(self.desktop.windows_named(ABOUT_TITLE)) == 1, DOUBLE_CLICK_SETTLE),
            "not exactly one About window")
        self.assertTrue(self.desktop.is_mapped(self.about))

    # ---- the links' colours -----------------------------------------------

    def test_email_link_lights_pure_red(self):
        self.launch_and_show()
        self.open_about()
        self.assert_lights_pure_red("e-mail")

    def test_web_link_lights_pure_red(self):
        self.launch_and_show()
        self.open_about()
        self.assert_lights_pure_red("web")

    def test_lit_link_stays_lit_across_the_other(self):
        self.launch_and_show()
        self.open_about()
        normal = self.normal_links()
        lit = {link: self.light(link, normal[link]) for link in LINKS}
        self.assert_link_keeps("e-mail", lit["e-mail"])
        self.point_at(*BANNER)
        for link in LINKS:
            self.assert_link_shows(link, normal[link])

    def test_title_does_not_react(self):
        self.launch_and_show()
        self.open_about()
        before = self.pixels(WHOLE_WINDOW)
        self.point_at(*centre(TITLE))
        self.assertTrue(holds_throughout(lambda: self.pixels(WHOLE_WINDOW) == before,
                                         DOUBLE_CLICK_SETTLE), "the window changed")
        lit = self.light("e-mail", self.normal_links()["e-mail"])
        self.point_at(*centre(TITLE))
        self.assert_link_keeps("e-mail", lit)

    def test_leaving_through_the_edge_keeps_link_lit(self):
        self.launch_and_show()
        self.open_about()
        lit = self.light("web", self.normal_links()["web"])
        self.point_at(ABOUT_PLACE[2] // 2, ABOUT_PLACE[3] + 40)  # straight out below
        self.assert_link_keeps("web", lit)

    # ---- the links' targets -----------------------------------------------

    def test_links_open_their_targets(self):
        self.launch_and_show()
        self.open_about()
        for count, link in enumerate(LINKS, 1):
            self.desktop.click_at(*self.desktop.about_point(self.about, *centre(LINKS[link])))
            self.assertEqual(self.desktop.wait_opened(count)[-1], LINK_TARGETS[link])
        self.assertTrue(holds_throughout(lambda: len(self.desktop.xdg_open_calls()) == 2,
                                         DOUBLE_CLICK_SETTLE), self.desktop.xdg_open_calls())

    def test_title_opens_nothing(self):
        self.launch_and_show()
        self.open_about()
        self.desktop.click_at(*self.desktop.about_point(self.about, *centre(TITLE)))
        self.assertTrue(holds_throughout(lambda: not self.desktop.xdg_open_calls(),
                                         DOUBLE_CLICK_SETTLE), self.desktop.xdg_open_calls())

    # ---- closing ----------------------------------------------------------

    def test_reopened_window_is_fresh(self):
        self.launch_and_show()
        self.open_about()
        normal = self.normal_links()
        for link in LINKS:
            self.light(link, normal[link])
        self.desktop.send_close_request(self.about)
        wait_until(lambda: self.desktop.about_window() is None, what="the About window to close")
        self.assertTrue(holds_throughout(lambda: not self.desktop.app_exited(), 0.3),
                        "closing the About window ended the program")
        self.assertTrue(self.desktop.main_window_mapped())
        self.open_about()
        self.assertEqual(len(self.desktop.windows_named(ABOUT_TITLE)), 1)
        self.assertEqual(self.normal_links(), normal)

    def test_exit_closes_about_and_saves(self):
        self.launch_and_show()
        self.open_about()
        self.desktop.type_into("name", "Exit with About")
        self.save_and_exit()
        self.assertEqual(self.assert_all_keys_saved()["name"], "Exit with About")

    def test_closing_main_window_closes_about_and_saves(self):
        window = self.launch_and_show()
        self.open_about()
        self.desktop.send_close_request(window)
        self.assert_exits_cleanly()
        self.assert_all_keys_saved()

    # ---- stacking ---------------------------------------------------------

    def test_main_window_stays_in_front(self):
        # Outer place (100, 240) px: the main window covers nearly all of the About window.
        self.desktop.seed_settings({"left": "1500", "top": "3600"})
        window = self.launch_and_show()
        # Where the main window shows fixed red captions over the About window's labels.
        overlap = (120, 270, 120, 60)
        before = wait_until(lambda: self.shows_red(overlap), what="the captions to be drawn")
        about = self.desktop.open_about()
        self.assertTrue(holds_throughout(
            lambda: (self.desktop.stacked_above(window, about)
                     and self.desktop.screen_pixels(*overlap) == before), 1.0),
            "the About window came in front of the main window")


if __name__ == "__main__":
    unittest.main()
