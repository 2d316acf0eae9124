"""Mirtavo's page end to end, as a user meets it: served from 127.0.0.1, opened in headless
Chromium, used with the mouse and the keyboard, results read back through the clipboard.

    page_test.py BUILD_DIR    the web build, installed by the test into a scratch folder
"""

import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.keys import Keys

from browser import (ALPHA_CLIENT, GRAPH_CLIENT, ITEMS_CLIENT, MAIN_CLIENT, Box, Desktop,
                     MirtavoPage, StaticServer, message_box, start_chromium, wait_until)


def similar(colour, other):
    """The browser's platform shades its captions: colours a few steps apart are the same."""
    return all(abs(a - b) <= 16 for a, b in zip(colour, other))


def installed_site(build_dir, folder):
    subprocess.run(["cmake", "--install", build_dir, "--prefix", folder], check=True,
                   stdout=subprocess.DEVNULL)
    return pathlib.Path(folder)


def second_build(site, folder):
    """A copy of the site that differs from it as the next build would: the program's two files
    (a custom section added to the WebAssembly, a comment to the script) and the fingerprint
    that names the build. Its name, and each build's program files by size."""
    shutil.copytree(site, folder)
    wasm, script = folder / "mirtavo.wasm", folder / "mirtavo.js"
    name = b"mirtavo-next-build"
    section = bytes([len(name)]) + name
    wasm.write_bytes(wasm.read_bytes() + b"\x00" + bytes([len(section)]) + section)
    script.write_text(script.read_text() + "\n// the next build\n")
    for compressed in folder.glob("*.[bg][rz]"):
        compressed.unlink()
    first = re.search(r'data-build="(\w+)"', (folder / "index.html").read_text()).group(1)
    second = "0" + first[1:] if first[0] != "0" else "1" + first[1:]
    for page in ("index.html", "service-worker.js"):
        text = (folder / page).read_text().replace(first, second)
        text = re.sub(r'data-program-bytes="\d+"', f'data-program-bytes="{wasm.stat().st_size}"',
                      text)
        (folder / page).write_text(text)
    sizes = lambda f: {n: (f / n).stat().st_size for n in ("mirtavo.js", "mirtavo.wasm")}
    return first, second, {first: sizes(site), second: sizes(folder)}


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
        self.box_background = None

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

    def centre(self):
        width, height = self.page.page_size()
        return width // 2, height // 2

    def open_box(self, key, caption_colour):
        """Presses the key that opens a message box, and the box's frame once it is drawn. Boxes
        stand centred on the page: a new one shows there as text unlike both what was there just
        before and what was there before the click's first box."""
        before = self.page.picture()
        self.box_background = self.box_background or before
        x, y = self.centre()
        middle = Box(x - 60, y - 15, x + 60, y + 15)
        self.page.keys(key)

        def shown():
            now = self.page.picture()
            unlike = now.differs(before, middle) and now.differs(self.box_background, middle)
            return now if unlike else None
        return message_box(wait_until(shown, 10, "a message box"), (x, y), caption_colour,
                           similar)

    def close_box(self, box, closing):
        if closing == "a click on OK":
            # The one button stands at the box's lower right.
            self.page.click(box.right - 50, box.bottom - 22)
        else:
            self.page.keys({"Enter": Keys.ENTER, "Space": Keys.SPACE}[closing])

    def wait_for_no_box(self):
        """Waits until the page's centre is as it was before the first box of a click opened."""
        x, y = self.centre()
        middle = Box(x - 60, y - 15, x + 60, y + 15)
        background, self.box_background = self.box_background, None
        wait_until(lambda: not self.page.picture().differs(background, middle), 10,
                   "the message box to close")

    def assertNoConsoleErrors(self):
        self.assertEqual(self.page.console_errors(), [])

    def test_a_visit_from_start_to_end(self):
        desktop = self.open_page()
        self.assertEqual(self.driver.title, "Mirtavo")
        main = self.main_frame
        self.page.wait_until_kept()
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

        # A word where the item count belongs: a modal message box, and the result stays. However
        # the box is closed, the keyboard is back in the field: what is typed next lands there.
        desktop.click(alpha, 4800, 285)
        for closing in ("Enter", "Space", "a click on OK"):
            self.page.chord(Keys.CONTROL, "a")
            self.page.keys("x")
            self.close_box(self.open_box(Keys.ENTER, active_caption), closing)
            self.wait_for_no_box()
            self.page.keys("7")
            self.assertEqual(self.page.copy_selection(), "x7", closing)
        self.assertEqual(self.alpha_result(desktop, alpha), "0.56")

        # Items needed with a negative r beyond the item limit: the limit, then the count called
        # invalid, each box once the one before is closed, then the count.
        desktop.click((main.left, main.top), 360, 2400)
        items = desktop.centred_frame(ITEMS_CLIENT)
        self.page.keys("-.2", Keys.TAB, ".5")
        first = self.open_box(Keys.ENTER, active_caption)
        second = self.open_box(Keys.ENTER, active_caption)
        self.assertGreater(second.width, first.width, "the second box says more")
        self.close_box(second, "Enter")
        self.wait_for_no_box()
        self.page.keys("7")
        self.assertEqual(self.page.copy_selection(), ".57")
        desktop.click(items, 4800, 1005)
        self.assertEqual(self.page.copy_selection(), "6")

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

    def test_an_update_runs_one_build_and_starts_offline(self):
        """The next build put in the place of the first: every visit runs the files of one build,
        and the visit without a network the next build's, from what the worker kept."""
        first, second, sizes = second_build(self.site, pathlib.Path(self.scratch.name) / "next")
        live = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, live)
        shutil.copytree(self.site, live, dirs_exist_ok=True)
        self.server.stop()
        self.server = StaticServer(live)
        self.open_page()
        self.page.wait_until_kept()
        self.assertEqual(self.page.build(), [first, sizes[first]])

        shutil.copytree(pathlib.Path(self.scratch.name) / "next", live, dirs_exist_ok=True)
        self.driver.refresh()
        self.page.wait_for_state("running")
        build, received = self.page.build()
        self.assertEqual(received, sizes[build])
        wait_until(lambda: self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "caches.keys().then(done)") == [f"mirtavo-{second}"], 60, "the next build kept")

        self.server.stop()
        self.driver.refresh()
        self.page.wait_for_state("running")
        self.page.wait_for_main_window()
        self.assertEqual(self.page.build(), [second, sizes[second]])
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
