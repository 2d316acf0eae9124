"""Mirtavo's page end to end, as a user meets it: served from 127.0.0.1, opened in one of the
engines users have, used with the mouse, the keyboard and a screen reader's requests, results
read back through the clipboard and the accessibility tree. Where an engine's automation cannot
do a step, the test says so and checks what it can instead.

    page_test.py BUILD_DIR ENGINE    the web build, installed by the test into a scratch folder;
                                     chromium, firefox or webkit (engines.py)
"""

import hashlib
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.keys import Keys

import engines
from browser import (ALPHA_CLIENT, GRAPH_CLIENT, ITEMS_CLIENT, MAIN_CLIENT, Box, Desktop,
                     MirtavoPage, StaticServer, message_box, wait_until)

ENGINE = sys.argv[2] if len(sys.argv) > 2 else "chromium"
MAIN_TITLE = "Mirtavo -- Reliability Computation"
OPTION1 = "Estimate reliability using variances (Cronbach's Alpha)"
OPTION2 = "Estimate reliability using inter-item r (Spearman-Brown)"
OPTION5 = "Table and graph reliability as a function of the number of items"
OPTIONS = (OPTION1, OPTION2, "Estimate the inter-item correlation from the reliability",
           "How many items are needed?", OPTION5)
ALPHA_FIELDS = ("Enter the number of items:", "Enter the scale variance:",
                "Enter the sum of variance of the individual items:")

# The touch screens users meet the page on, and how each one's on-screen keyboard types: with
# key events that carry their text (iOS), or through an input method that commits and composes
# text no key names (Android, ChromeOS).
CHROME = "AppleWebKit/537.36 (KHTML, like Gecko) Chrome/156.0.0.0"
TOUCH_SCREENS = [(engines.TouchDevice(name, platform, agent, width, height, phone), typing)
                 for name, platform, agent, width, height, phone, typing in (
    ("iPad", "MacIntel", "Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 "
     "(KHTML, like Gecko) Version/18.0 Safari/605.1.15", 1024, 768, False, "keys"),
    ("Android tablet", "Linux armv8l", f"Mozilla/5.0 (Linux; Android 14; SM-X710) {CHROME} "
     "Safari/537.36", 1280, 800, False, "input method"),
    ("Chromebook in tablet mode", "Linux x86_64", "Mozilla/5.0 (X11; CrOS x86_64 16181.61.0) "
     f"{CHROME} Safari/537.36", 1280, 800, False, "input method"),
    ("phone", "Linux armv8l", f"Mozilla/5.0 (Linux; Android 14; Pixel 8) {CHROME} Mobile "
     "Safari/537.36", 390, 844, True, "input method"))]

# Holds back the tab's first page's program until the test releases it: the page stays loading.
HOLD_THE_PROGRAM = """
    if (!sessionStorage.getItem("held")) {
      sessionStorage.setItem("held", "1");
      const fetchNow = window.fetch;
      const held = new Promise((release) => { window.mirtavoRelease = release; });
      window.fetch = (...request) => held.then(() => fetchNow(...request));
    }"""


def similar(colour, other):
    """The browser's platform shades its captions: colours a few steps apart are the same."""
    return all(abs(a - b) <= 16 for a, b in zip(colour, other))


def installed_site(build_dir, folder):
    subprocess.run(["cmake", "--install", build_dir, "--prefix", folder], check=True,
                   stdout=subprocess.DEVNULL)
    return pathlib.Path(folder)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


class Host:
    """A web host that builds are deployed to one after another, whole or as a deploy half done
    leaves it, over one address. The first build is the one under test; the others are made from
    it as the next builds would differ: the program's two files (a custom section added to the
    WebAssembly, or a broken one that cannot start; a comment added to the script), and the page
    and worker with the build's name, its program's size and its files' digests."""

    def __init__(self, site, scratch):
        self.scratch = pathlib.Path(scratch)
        self.folders = {re.search(r'data-build="(\w+)"', (site / "index.html").read_text())[1]:
                        site}
        live = self.scratch / "live"
        shutil.copytree(site, live)
        self.server = StaticServer(live)

    def program_sizes(self, build):
        return {n: (self.folders[build] / n).stat().st_size for n in ("mirtavo.js", "mirtavo.wasm")}

    def build(self, tag, broken=False):
        first, site = next(iter(self.folders.items()))
        build = hashlib.sha256(tag.encode()).hexdigest()[:16]
        folder = self.folders[build] = self.scratch / tag
        shutil.copytree(site, folder, ignore=shutil.ignore_patterns("*.br", "*.gz"))
        wasm = folder / "mirtavo.wasm"
        name = tag.encode()
        section = bytes([len(name)]) + name
        program = wasm.read_bytes()
        wasm.write_bytes(b"\0broken!" + program[8:] if broken else
                         program + b"\x00" + bytes([len(section)]) + section)
        with open(folder / "mirtavo.js", "a") as script:
            script.write(f"\n// {tag}\n")
        index, worker = folder / "index.html", folder / "service-worker.js"
        index.write_text(re.sub(r'data-program-bytes="\d+"', f'data-program-bytes="{len(program)}"',
                                index.read_text().replace(first, build)))
        worker.write_text(re.sub(r'"([^"]+)": "[0-9a-f]{64}"',
                                 lambda file: f'"{file[1]}": "{sha256(folder / file[1])}"',
                                 worker.read_text().replace(first, build)))
        return build

    def deploy(self, build, but=()):
        """Puts a build's files in place of what the host serves, but those named."""
        folder = self.folders[build]
        for path in folder.rglob("*"):
            if path.is_file() and path.name not in but:
                shutil.copy(path, self.server.folder / path.relative_to(folder))


def point_in(element, across=0.5, down=0.5):
    """The point this far across and down an element of the mirror."""
    return element["x"] + across * element["width"], element["y"] + down * element["height"]


def where(element):
    """An element of the mirror by its name and its place on the page."""
    return element["name"], element["x"], element["y"], element["width"], element["height"]


def subtree(tree, node):
    """The nodes under a node of a tree listed in order with their depths."""
    start = tree.index(node) + 1
    end = next((i for i in range(start, len(tree)) if tree[i]["depth"] <= node["depth"]),
               len(tree))
    return tree[start:end]


def mirrored(mirror, role, name=None):
    """The mirror's elements of a role (and name), in the page's order."""
    return [e for e in mirror if e["role"] == role and name in (None, e["name"], e["text"])]


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
        self.engine = None
        self.box_background = None

    def tearDown(self):
        if self.engine:
            self.engine.quit()
        self.server.stop()

    said = set()

    def note(self, step, instead):
        """Says, once, which step this engine's automation cannot run, and what is checked
        instead."""
        if step not in self.said:
            self.said.add(step)
            print(f"\n{ENGINE}: {step}: not possible here; {instead}", file=sys.stderr)

    def open_page(self, language="en-US", **options):
        self.engine = engines.start(ENGINE, language=language, **options)
        self.page = MirtavoPage(self.engine, self.server.url)
        self.page.open()
        self.main_frame, self.background = self.page.wait_for_main_window()
        return Desktop(self.page, self.main_frame)

    def read_focused(self, name):
        """The focused field's text, as Ctrl+C in it puts it on the clipboard; where the engine
        reads no clipboard, as the mirror holds it."""
        if not self.engine.can_read_clipboard:
            self.note("reading a field through the clipboard", "the mirror's text")
            self.assertFocusInMirror("textbox", name)
            return self.mirrored_text("textbox", name)
        return self.page.copy_selection(Keys.CONTROL)

    def read_field(self, desktop, frame, x, y, name):
        """The text of the field at a point of a window, clicked first."""
        desktop.click(frame, x, y)
        return self.read_focused(name)

    def alpha_result(self, desktop, alpha):
        return self.read_field(desktop, alpha, 4800, 1365, "Alpha:")

    def element(self, role, name):
        """The mirror's first element of that role and name, once it is there."""
        return wait_until(lambda: mirrored(self.page.mirror(), role, name), 10,
                          f"the {role} {name!r} in the mirror")[0]

    def mirrored_text(self, role, name):
        return self.element(role, name)["text"]

    def assertFocusInMirror(self, role, name):
        wait_until(lambda: [(e["role"], e["name"]) for e in self.page.mirror() if e["focused"]]
                   == [(role, name)], 10, f"the focus on the {role} {name!r}")

    def assertInAccessibilityTree(self, role, name, value=None):
        """What a screen reader gets from the browser: a node of that role and name (and value),
        read from the browser where its automation can, else from the mirror."""
        if not self.engine.can_read_accessibility_tree:
            self.note("reading the accessibility tree", "the mirror's elements")
            text = self.mirrored_text(role, name)
            self.assertEqual(text, text if value is None else value)
            return
        # Chromium names a few roles its own way.
        wanted = {"role": {"img": "image"}.get(role, role), "name": name}
        wanted.update({} if value is None else {"value": value})
        wait_until(lambda: any(not node.get("ignored") and all(
            node.get(key, {}).get("value") == wanted[key] for key in wanted)
            for node in self.engine.accessibility_tree()), 10,
            f"the {role} {name!r} in the accessibility tree")

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

    def copy_graph(self, desktop, graph):
        """Copy graph from the graph's context menu; where the engine cannot right-click, Ctrl+C
        on the graph, which copies the same picture."""
        menu_x, menu_y = desktop.point(graph, 6000, 2400)
        if self.engine.can_context_click:
            self.page.click(menu_x, menu_y, "right")
            self.page.click(menu_x + 40, menu_y + 10)
        else:
            self.note("Copy graph from the context menu", "Ctrl+C on the focused graph")
            self.page.click(menu_x, menu_y)
            self.page.chord(Keys.CONTROL, "c")
        if not self.engine.can_read_clipboard:
            self.note("reading the picture on the clipboard", "that no message came instead")
            self.assertFalse(mirrored(self.page.mirror(), "alertdialog"))
            return
        self.assertEqual(wait_until(self.page.clipboard_types, 10, "a picture"), ["image/png"])

    def assertRunsOneBuild(self, host):
        """The page's build, once it is known that the program's two files the page got are of
        that build."""
        build, _ = self.page.build()
        wait_until(lambda: self.page.build()[1] == host.program_sizes(build), 10,
                   f"the files of build {build}, whole")
        return build

    def assertNoConsoleErrors(self):
        if not self.engine.can_read_console:
            self.note("reading the console", "the errors the page reported once it had loaded")
        self.assertEqual(self.page.console_errors(), [])

    def test_a_visit_from_start_to_end(self):
        desktop = self.open_page()
        self.assertEqual(self.page.title(), "Mirtavo")
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

        # A screen reader finds the main window, its six options and Help, and the focus where
        # the desktop puts it.
        self.assertFocusInMirror("radio", OPTION2)
        self.assertInAccessibilityTree("dialog", MAIN_TITLE)
        self.assertInAccessibilityTree("radio", OPTION2)
        mirror = self.page.mirror()
        self.assertEqual(len(mirrored(mirror, "radio")), 6)
        self.assertEqual([e["name"] for e in mirrored(mirror, "button")], ["Help"])

        # Option1, chosen as a screen reader does, opens the alpha window, centred and active
        # beside the main window, with the focus in its first field.
        self.page.click_mirrored("radio", OPTION1)
        alpha = desktop.centred_frame(ALPHA_CLIENT)
        alpha_caption = (round(alpha[0] + alpha[2] - 60), round(alpha[1] + desktop.caption // 2))
        wait_until(lambda: similar(self.page.picture().pixel(*alpha_caption), active_caption), 10,
                   "the alpha window's caption")
        opened = self.page.picture()
        main_caption = opened.pixel(main.right - 40, caption_y)
        self.assertFalse(similar(main_caption, active_caption) or main_caption == self.background,
                         "the main window's caption is no longer where it stood")
        self.assertEqual(opened.pixel(main.left, main.bottom), start.pixel(main.left, main.bottom))
        self.assertFocusInMirror("textbox", "Enter the number of items:")

        # Tab and Shift+Tab move the focus as on the desktop, and the mirror follows.
        self.page.keys("6", Keys.TAB)
        self.assertFocusInMirror("textbox", "Enter the scale variance:")
        self.page.chord(Keys.SHIFT, Keys.TAB)
        self.assertFocusInMirror("textbox", "Enter the number of items:")
        self.page.keys(Keys.TAB, "4.5", Keys.TAB, "2.4", Keys.ENTER)
        self.assertInAccessibilityTree("textbox", "Alpha:", value="0.56")
        self.assertEqual(self.alpha_result(desktop, alpha), "0.56")

        # A word where the item count belongs: a modal message box, and the result stays. However
        # the box is closed, the keyboard is back in the field: what is typed next lands there.
        desktop.click(alpha, 4800, 285)
        for closing in ("Enter", "Space", "a click on OK"):
            self.page.chord(Keys.CONTROL, "a")
            self.page.keys("x")
            box = self.open_box(Keys.ENTER, active_caption)
            if closing == "Enter":
                # Read as an alert with its text, OK focused; the windows under it are inert.
                self.assertInAccessibilityTree("alertdialog", "Mirtavo")
                self.assertFocusInMirror("button", "OK")
                mirror = self.page.mirror()
                self.assertEqual(mirrored(mirror, "", "Error occurs. Please check Help file.")[0]
                                 ["depth"], 1)
                self.assertTrue(all(e["inert"] and e["hidden"] for e in mirrored(mirror, "dialog")))
            self.close_box(box, closing)
            self.wait_for_no_box()
            wait_until(lambda: not mirrored(self.page.mirror(), "alertdialog"), 10,
                       "the box to leave the mirror")
            self.assertFocusInMirror("textbox", "Enter the number of items:")
            self.page.keys("7")
            self.assertEqual(self.read_focused("Enter the number of items:"), "x7", closing)
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
        self.assertEqual(self.read_focused("Enter the desired reliability:"), ".57")
        self.assertEqual(self.read_field(desktop, items, 4800, 1005, "Number of items needed:"),
                         "6")

        # The table-and-graph window: the table as its text field, the graph as a picture, and
        # "Copy graph" puts the picture on the clipboard.
        desktop.click((main.left, main.top), 360, 2760)
        self.page.keys(".3", Keys.TAB, "1", Keys.TAB, "51", Keys.ENTER)
        self.assertIn(" 3\t\t.5625", self.mirrored_text("textbox", "Reliability table"))
        self.assertInAccessibilityTree("img", "Reliability graph")
        graph = desktop.centred_frame(GRAPH_CLIENT, left_divisor=1.01)
        self.copy_graph(desktop, graph)
        self.assertNoConsoleErrors()
        self.assertEqual(self.server.requests[requests_when_loaded:], [],
                         "the page asked for something after loading")

        # With the network gone, a reload starts the program again from what the page kept.
        self.server.stop()
        self.page.reload()
        reloaded, _ = self.page.wait_for_main_window()
        self.assertEqual((reloaded.left, reloaded.top), (main.left, main.top))

        # "End this program" leaves a page that says so and offers to start again, and the
        # mirror is empty.
        desktop.click((main.left, main.top), 360, 3120)
        self.page.wait_for_state("ended", 10)
        ended = self.engine.script("return document.getElementById('ended').innerText")
        self.assertIn("Mirtavo has ended.", ended)
        self.assertIn("Start Mirtavo again", ended)
        self.assertEqual(self.page.mirror(), [])
        self.assertNoConsoleErrors()

    def test_a_right_click_anywhere_keeps_the_page_answering(self):
        """A right click (a long press on a touch screen) on every field and scroll bar of every
        window opens no menu that waits: a field's menu closes at the next click. Then, with every
        window where it opened, the alpha window chosen again comes to the front as it stood,
        and computes alpha. A nested loop still reached would say so on the console."""
        if not engines.ENGINES[ENGINE].can_context_click:
            self.skipTest("this engine's automation cannot right-click")
        self.open_page()
        clicked = set()
        for role, name in [("radio", option) for option in OPTIONS] + [("button", "Help")]:
            self.page.click_mirrored(role, name)
            fields = wait_until(lambda: [e for e in mirrored(self.page.mirror(), "textbox")
                                         if where(e) not in clicked], 10, f"the fields of {name}")
            for field in fields:
                clicked.add(where(field))
                # Its middle, and where a scroll bar stands, at its right and lower edges.
                for across, down in ((0.5, 0.5), (0.99, 0.5), (0.5, 0.97)):
                    self.page.click(*point_in(field, across, down), "right")
                    self.page.click(*point_in(field, across, down))
        windows = [where(w) for w in mirrored(self.page.mirror(), "dialog")]
        self.page.click_mirrored("radio", OPTION1)
        self.page.click(*point_in(self.element("textbox", ALPHA_FIELDS[0])))
        self.assertFocusInMirror("textbox", ALPHA_FIELDS[0])
        self.assertEqual([where(w) for w in mirrored(self.page.mirror(), "dialog")], windows)
        self.page.chord(Keys.CONTROL, "a")
        self.page.keys("6", Keys.TAB, "4.5", Keys.TAB, "2.4", Keys.ENTER)
        wait_until(lambda: self.mirrored_text("textbox", "Alpha:") == "0.56", 10, "alpha")
        self.assertEqual(clicked, {where(e) for e in mirrored(self.page.mirror(), "textbox")},
                         "every window's fields")
        self.assertNoConsoleErrors()

    def test_touch_screens(self):
        engine = engines.ENGINES[ENGINE]
        for device, typing in TOUCH_SCREENS:
            needs_devtools = typing != "keys" or device.phone
            if not engine.can_emulate_touch or (needs_devtools and
                                                not engine.can_emulate_phone_and_input_method):
                self.note(f"the {device.name}", "its automation cannot emulate that device")
                continue
            with self.subTest(device.name):
                self.engine = engines.start(ENGINE, device=device)
                try:
                    self.walk_on_touch_screen(device.phone, typing)
                finally:
                    self.engine.quit()
                    self.engine = None

    def walk_on_touch_screen(self, phone, typing):
        """Taps the alpha window open and each field, types there as the device's keyboard does,
        tabs out to Run (the keyboard closes) and reads alpha; after a long press and a right
        click on a field and on the table's scroll bar the program answers on; every window
        stands whole on the page."""
        self.page = MirtavoPage(self.engine, self.server.url)
        self.page.open()
        self.assertFocusInMirror("radio", OPTION2)
        if phone:
            self.assertEqual(self.page.page_size()[0], 640, "laid out as wide as the windows")
        self.tap("radio", OPTION1, left=True)
        for name, text in zip(ALPHA_FIELDS, ("6", "4.5", "2.44\b\t")):
            self.tap("textbox", name)
            wait_until(lambda: self.keyboard_field() == name, 10, f"the keyboard on {name!r}")
            self.type_on_screen(typing, text)
        self.assertFocusInMirror("button", "Run")
        self.page.keys(Keys.ENTER)
        wait_until(lambda: self.mirrored_text("textbox", "Alpha:") == "0.56", 10, "alpha")

        self.tap("textbox", ALPHA_FIELDS[0])
        self.hold_and_right_click(self.element("textbox", ALPHA_FIELDS[0]), 0.5)
        self.page.keys(Keys.ESCAPE)
        self.type_on_screen(typing, "7")
        wait_until(lambda: self.mirrored_text("textbox", ALPHA_FIELDS[0]).endswith("7"), 10,
                   "the 7 typed after the field's menu")
        self.tap("radio", OPTION5, left=True)
        self.type_on_screen(typing, ".3\t1\t51\n")
        wait_until(lambda: ".5625" in self.mirrored_text("textbox", "Reliability table"), 10,
                   "the table")
        self.hold_and_right_click(self.element("textbox", "Reliability table"), 0.99)
        self.page.click_mirrored("radio", OPTION1)
        wait_until(lambda: self.keyboard_field() == ALPHA_FIELDS[0], 10, "the alpha window")
        width, height = self.page.page_size()
        for w in mirrored(self.page.mirror(), "dialog"):
            self.assertTrue(0 <= w["x"] <= width - w["width"] and
                            0 <= w["y"] <= height - w["height"], f"{w['name']} stands whole")
        self.assertNoConsoleErrors()

    def tap(self, role, name, left=False):
        """A tap on a control, at its middle or near its left end (an option's button)."""
        element = self.element(role, name)
        x, y = point_in(element)
        self.engine.touch(element["x"] + 8 if left else x, y)
        time.sleep(0.2)

    def hold_and_right_click(self, element, across):
        """A long press, then a right click, at a point this far across an element."""
        x, y = point_in(element, across)
        self.engine.touch(x, y, seconds=1.2)
        self.page.click(x, y, "right")

    def keyboard_field(self):
        """The name of the field the page's keyboard field stands for, if it has the focus."""
        return self.engine.script(
            "const field = document.activeElement;"
            "return field && field.id === 'keyboard-field' && !field.hidden ?"
            "  field.getAttribute('aria-label') : null;")

    def type_on_screen(self, typing, text):
        """Types as the device's keyboard does: keys with their text; or an input method's
        commits, a number of three characters or more composed first. Tab and Enter (\\t, \\n)
        are keys, and so is Backspace (\\b) but on an input method, whose deletion names none."""
        for run in filter(None, re.split(r"([\t\n\b])", text)):
            if run in "\t\n" or run == "\b" and typing == "keys":
                self.page.keys({"\t": Keys.TAB, "\n": Keys.ENTER, "\b": Keys.BACKSPACE}[run])
            elif run == "\b":
                self.engine.script("document.activeElement.dispatchEvent(new InputEvent("
                                   "'beforeinput', {inputType: 'deleteContentBackward'}))")
            elif typing == "keys":
                self.page.keys(run)
            elif len(run) > 2:
                for end in range(1, len(run) + 1):
                    self.engine.compose(run[:end])
                self.engine.commit(run)
            else:
                for character in run:
                    self.engine.commit(character)
        time.sleep(0.1)

    def test_updates_run_one_build_whole(self):
        """Builds deployed one after another: a deploy half done is never kept; a tab still
        loading when the next build is kept runs the build it began with; a build that cannot
        start gives way at "Try again" to the one that mends it; and without a network the page
        starts from the last build kept. Every page runs the files of one build."""
        scratch = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, scratch)
        host = Host(self.site, scratch)
        self.server.stop()
        self.server = host.server
        self.open_page()
        self.page.wait_until_kept()
        first = self.assertRunsOneBuild(host)
        second, broken, mended = (host.build(tag, broken=tag == "broken")
                                  for tag in ("second", "broken", "mended"))

        host.deploy(second, but=("mirtavo.js", "mirtavo.wasm"))
        asked = len(self.server.requests)
        self.page.reload()
        wait_until(lambda: "/mirtavo.wasm" in self.server.requests[asked:] and
                   self.worker_states() == [None, None], 30, "the half deploy to be refused")
        self.assertEqual(self.page.kept_builds(), [f"mirtavo-{first}"])
        self.assertEqual(self.assertRunsOneBuild(host), first)

        # A second tab's program waits (its fetch is held) while the second build is kept and
        # the first tab asks it to take charge.
        host.deploy(second)
        first_tab = self.engine.new_tab()
        try:
            self.engine.before_each_page(HOLD_THE_PROGRAM)
        except engines.Unsupported:
            self.note("holding a page's program back", "a second tab runs one build")
            self.page.open()
        else:
            self.engine.open(self.server.url)
            wait_until(lambda: f"mirtavo-{second}" in self.page.kept_builds(), 60,
                       "the second build kept")
            time.sleep(1)
            self.engine.script("window.mirtavoRelease()")
            self.page.wait_for_state("running")
        self.assertEqual(self.assertRunsOneBuild(host), first, "the tab still loading")
        wait_until(lambda: self.page.kept_builds() == [f"mirtavo-{second}"], 60,
                   "the second build kept")
        self.page.reload()
        self.assertEqual(self.assertRunsOneBuild(host), second)

        host.deploy(broken)
        self.engine.use_tab(first_tab)
        self.page.reload()
        wait_until(lambda: self.page.kept_builds() == [f"mirtavo-{broken}"], 60,
                   "the broken build kept")
        self.engine.reload()
        self.page.wait_for_state("failed")
        host.deploy(mended)
        self.engine.script("document.getElementById('retry').click()")
        self.page.wait_for_state("running")
        self.assertEqual(self.assertRunsOneBuild(host), mended)

        self.server.stop()
        self.page.reload()
        self.page.wait_for_main_window()
        self.assertEqual(self.assertRunsOneBuild(host), mended)

    def worker_states(self):
        """The states of the workers installing and installed, waiting to take charge."""
        return self.engine.async_script(
            "const registration = await navigator.serviceWorker.getRegistration();"
            "return [registration.installing, registration.waiting].map(w => w && w.state);")

    def test_numbers_follow_the_browsers_language(self):
        desktop = self.open_page(language="de-DE")
        main = self.main_frame
        desktop.click((main.left, main.top), 360, 1320)
        alpha = desktop.centred_frame(ALPHA_CLIENT)
        self.page.keys("6", Keys.TAB, "4,5", Keys.TAB, "2.4", Keys.ENTER)
        self.assertEqual(self.alpha_result(desktop, alpha), "0,56")
        self.assertNoConsoleErrors()

    def test_a_browser_without_webgl_is_told_so(self):
        if ENGINE != "chromium":
            self.skipTest("the page without WebGL is the same in every engine; Chromium shows it")
        self.engine = engines.Chromium(webgl=False)
        self.page = MirtavoPage(self.engine, self.server.url)
        self.engine.open(self.server.url)
        self.page.wait_for_state("failed", 30)
        failed = self.engine.script("return document.getElementById('failed').innerText")
        self.assertIn("Mirtavo could not start.", failed)
        self.assertIn("Error: WebGL is not supported", failed)
        self.assertIn("Try again", failed)
        errors = self.page.console_errors()
        self.assertEqual(len(errors), 1, errors)
        self.assertIn("Error: WebGL is not supported", errors[0])

    def test_what_orca_reads(self):
        """Orca reads Chromium through AT-SPI: the main window and its options; under a message
        box only the box, whose text it reads; the table line by line."""
        if ENGINE != "chromium":
            self.skipTest("the path through AT-SPI, Orca's, runs in Chromium")
        self.open_page(atspi=True)
        tree = self.engine.atspi_tree
        wait_until(lambda: mirrored(tree(), "dialog", MAIN_TITLE), 30, "the main window in AT-SPI")
        self.assertEqual(len(mirrored(tree(), "radio button")), 6)

        self.page.click_mirrored("radio", OPTION1)
        self.assertFocusInMirror("textbox", ALPHA_FIELDS[0])
        self.page.keys("x", Keys.ENTER)

        def only_the_box():
            # The bridge passes the new box and the windows' hiding on in updates of their own.
            now = tree()
            box = mirrored(now, "alert", "Mirtavo")
            reached = [n["name"] for n in mirrored(now, "dialog")
                       if {"showing", "sensitive"} & set(n["states"])]
            return box and not reached and (now, box[0])
        now, box = wait_until(only_the_box, 10,
                              "the box alone in AT-SPI, no window under it reached")
        self.assertIn("showing", box["states"])
        self.assertTrue(mirrored(subtree(now, box), "static",
                                 "Error occurs. Please check Help file."), "the box's text")

        self.page.keys(Keys.ENTER)
        wait_until(lambda: not mirrored(tree(), "alert"), 10, "the box to leave AT-SPI")
        self.page.click_mirrored("radio", OPTION5)
        self.element("textbox", "Reliability table")
        self.page.keys(".3", Keys.TAB, "1", Keys.TAB, "51", Keys.ENTER)
        lines = wait_until(lambda: self.mirrored_text("textbox", "Reliability table"), 10,
                           "the table").split("\n")
        self.assertIn(" 3\t\t.5625", lines)

        def lines_read():
            now = tree()
            table = mirrored(now, "entry", "Reliability table")
            return table and [n["text"] for n in subtree(now, table[0])
                              if n["depth"] == table[0]["depth"] + 1 and n["text"] != "\n"]
        wait_until(lambda: lines_read() == lines, 10,
                   f"the table's {len(lines)} lines in AT-SPI, each an object of its own")
        self.assertNoConsoleErrors()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
