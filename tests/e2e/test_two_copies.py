"""Two copies on one profile: the file stays whole and the copy that ends last decides."""

import unittest

from desktop import SETTINGS_KEYS, DesktopTestCase, wait_until
from reliability import record

AREA = "Two copies at once"
FIELDS = [key for key in SETTINGS_KEYS if key not in ("top", "left")]


def profile(tag):
    return {key: f"{tag} {key}" for key in FIELDS}


class TwoCopies(DesktopTestCase):

    def start_two_copies(self):
        """The first copy loads profile A; the second, started later, loads profile B."""
        self.desktop.seed_settings(profile("A"))
        self.desktop.launch()
        self.desktop.wait_idle()
        self.desktop.seed_settings(profile("B"))
        second = self.desktop.launch_another_copy()
        wait_until(lambda: len(self.desktop.tray_icons()) == 2, what="both icons to dock")
        self.desktop.wait_idle(runner=second)
        return second

    def saved_fields(self):
        saved = self.assert_all_keys_saved()
        return {key: saved[key] for key in FIELDS}

    def end(self, runner):
        self.desktop.request_termination(runner=runner)
        wait_until(lambda: runner.poll() is not None, what="the copy to end")
        self.assertEqual(runner.returncode, 0)

    def test_the_copy_that_ends_last_decides(self):
        for order in ("first copy last", "second copy last"):
            with self.subTest(order=order):
                second = self.start_two_copies()
                copies = [self.desktop.app, second]
                if order == "first copy last":
                    copies.reverse()
                for runner in copies:
                    self.end(runner)
                    expected = "A" if runner is self.desktop.app else "B"
                    self.assertEqual(self.saved_fields(), profile(expected))
                self.desktop.close()
                self.setUp()
        record(AREA, "two copies on one profile, ended one after the other, both orders",
               "the file was whole after each exit; the copy that ended last decided", 2)

    def test_ending_both_at_once(self):
        rounds = 5
        for _ in range(rounds):
            second = self.start_two_copies()
            for runner in (self.desktop.app, second):
                self.desktop.request_termination(runner=runner)
            for runner in (self.desktop.app, second):
                wait_until(lambda: runner.poll() is not None, what="both copies to end")
            self.assertIn(self.saved_fields(), (profile("A"), profile("B")))
            self.desktop.close()
            self.setUp()
        record(AREA, "two copies ended at the same moment", "the file held one copy's "
               "profile, whole", rounds)


if __name__ == "__main__":
    unittest.main()
