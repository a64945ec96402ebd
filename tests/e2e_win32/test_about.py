"""Quillpad.exe under Wine: the About window from the menu, its banner and its links."""

import unittest

from desktop import CLIENT_HEIGHT, wait_until
from test_about_window import LINK_TARGETS, LINKS, RED, centre
from wine_desktop import WINE_TIMEOUT, WineTestCase

BANNER_ART = (200, 0, 250, 60)  # the right part of the banner: red line art on black


class About(WineTestCase):

    def open_about(self):
        window = self.launch_and_show()
        place = self.desktop.geometry(window)
        self.desktop.click_at(place.x + 20, place.y + (place.height - CLIENT_HEIGHT) // 2)
        menu = wait_until(self.desktop.popup_menu, WINE_TIMEOUT, what="the menu")
        # "О программе" is the middle one of the menu's three items.
        self.desktop.click_at(*self.desktop.geometry(menu).centre)
        return wait_until(self.desktop.about_window, WINE_TIMEOUT, what="the About window")

    def red_in(self, about, rect):
        x, y, width, height = rect
        rows = self.desktop.screen_pixels(*self.desktop.about_point(about, x, y), width, height)
        return any(RED in row for row in rows)

    def test_the_banner_is_drawn_and_the_web_link_lights_and_opens(self):
        about = self.open_about()
        wait_until(lambda: self.red_in(about, BANNER_ART), WINE_TIMEOUT,
                   what="the banner's red line art")
        self.assertFalse(self.red_in(about, LINKS["web"]), "the link is red before the pointer")
        self.desktop.move_to(*self.desktop.about_point(about, *centre(LINKS["web"])))
        wait_until(lambda: self.red_in(about, LINKS["web"]), what="the link to light up")
        self.desktop.xdotool("click", 1)
        calls = wait_until(self.desktop.xdg_open_calls, WINE_TIMEOUT, what="the browser")
        self.assertEqual(calls, [[LINK_TARGETS["web"]]])


if __name__ == "__main__":
    unittest.main()
