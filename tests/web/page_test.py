"""Mirtavo's page end to end, as a user meets it: served from 127.0.0.1, opened in headless
Chromium, used with the mouse and the keyboard, results read back through the clipboard.

    page_test.py BUILD_DIR    the web build, installed by the test into a scratch folder
"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.keys import Keys

from browser import (ALPHA_CLIENT, GRAPH_CLIENT, MAIN_CLIENT, Box, Desktop, MirtavoPage,
                     StaticServer, start_chromium, wait_until)


def similar(colour, other):
    """The browser's platform shades its captions: colours a few steps apart are the same."""
    return all(abs(a - b) <= 16 for a, b in zip(colour, other))


def installed_site(build_dir, folder):
    subprocess.run(["cmake", "--install", build_dir, "--prefix", folder], check=True,
                   stdout=subprocess.DEVNULL)
    return pathlib.Path(folder)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.site = installed_site(sys.argv[1], cls.scratch.name)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def setUp(self):
        self.server = StaticServer(self.site)
        self.driver = None

    def tearDown(self):
        if self.driver:
            self.driver.quit()
        self.server.stop()

    def open_page(self, language="en-US"):
        self.driver = start_chromium(language=language)
        self.page = MirtavoPage(self.driver, self.server.url)
        self.page.open()
        self.main_frame, self.background = self.page.wait_for_main_window()
        return Desktop(self.page, self.main_frame)

    def alpha_result(self, desktop, alpha):
        """Txt1alpha's text, as Ctrl+C in the field puts it on the clipboard."""
        desktop.click(alpha, 4800, 1365)
        return self.page.copy_selection()

    def assertNoConsoleErrors(self):
        self.assertEqual(self.page.console_errors(), [])

    def test_a_visit_from_start_to_end(self):
        desktop = self.open_page()
        self.assertEqual(self.driver.title, "Mirtavo")
        main = self.main_frame
        # The main window stands centred, its frame included.
        expected = desktop.centred_frame(MAIN_CLIENT)
        self.assertAlmostEqual(main.left, expected[0], delta=1)
        self.assertAlmostEqual(main.top, expected[1], delta=1)
        requests_when_loaded = len(self.server.requests)
        start = self.page.picture()
        caption_y = main.top + desktop.caption // 2
        active_caption = start.pixel(main.right - 40, caption_y)

        # Option1 opens the alpha window, centred and active, beside the main window.
        desktop.click((main.left, main.top), 360, 1320)
        alpha = desktop.centred_frame(ALPHA_CLIENT)
        alpha_caption = (round(alpha[0] + alpha[2] - 60), round(alpha[1] + desktop.caption // 2))
        wait_until(lambda: similar(self.page.picture().pixel(*alpha_caption), active_caption), 10,
                   "the alpha window's caption")
        opened = self.page.picture()
        main_caption = opened.pixel(main.right - 40, caption_y)
        self.assertFalse(similar(main_caption, active_caption) or main_caption == self.background,
                         "the main window's caption is no longer where it stood")
        self.assertEqual(opened.pixel(main.left, main.bottom), start.pixel(main.left, main.bottom))

        self.page.keys("6", Keys.TAB, "4.5", Keys.TAB, "2.4", Keys.ENTER)
        self.assertEqual(self.alpha_result(desktop, alpha), "0.56")

        # A word where the item count belongs: a modal message box, closed with Enter, and the
        # result stays.
        desktop.click(alpha, 4800, 285)
        self.page.chord(Keys.CONTROL, "a")
        self.page.keys("x")
        before = self.page.picture()
        centre_x, centre_y = desktop.width // 2, desktop.height // 2
        centre = Box(centre_x - 60, centre_y - 15, centre_x + 60, centre_y + 15)
        self.page.keys(Keys.ENTER)
        wait_until(lambda: self.page.picture().differs(before, centre), 10, "the message box")
        self.page.keys(Keys.ENTER)
        wait_until(lambda: not self.page.picture().differs(before, centre), 10,
                   "the message box to close")
        self.assertEqual(self.alpha_result(desktop, alpha), "0.56")

        # The table-and-graph window's "Copy graph" puts a picture on the clipboard.
        desktop.click((main.left, main.top), 360, 2760)
        self.page.keys(".3", Keys.TAB, "1", Keys.TAB, "51", Keys.ENTER)
        graph = desktop.centred_frame(GRAPH_CLIENT, left_divisor=1.01)
        menu_x, menu_y = desktop.point(graph, 6000, 2400)
        self.page.click(menu_x, menu_y, "right")
        self.page.click(menu_x + 40, menu_y + 10)
        self.assertEqual(wait_until(self.page.clipboard_types, 10, "a picture"), ["image/png"])
        self.assertNoConsoleErrors()
        self.assertEqual(self.server.requests[requests_when_loaded:], [],
                         "the page asked for something after loading")

        # With the network gone, a reload starts the program again from what the page kept.
        self.server.stop()
        self.driver.refresh()
        self.page.wait_for_state("running")
        reloaded, _ = self.page.wait_for_main_window()
        self.assertEqual((reloaded.left, reloaded.top), (main.left, main.top))

        # "End this program" leaves a page that says so and offers to start again.
        desktop.click((main.left, main.top), 360, 3120)
        self.page.wait_for_state("ended", 10)
        ended = self.driver.find_element("id", "ended")
        self.assertIn("Mirtavo has ended.", ended.text)
        self.assertIn("Start Mirtavo again", ended.text)
        self.assertNoConsoleErrors()

    def test_numbers_follow_the_browsers_language(self):
        desktop = self.open_page(language="de-DE")
        main = self.main_frame
        desktop.click((main.left, main.top), 360, 1320)
        alpha = desktop.centred_frame(ALPHA_CLIENT)
        self.page.keys("6", Keys.TAB, "4,5", Keys.TAB, "2.4", Keys.ENTER)
        self.assertEqual(self.alpha_result(desktop, alpha), "0,56")
        self.assertNoConsoleErrors()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
