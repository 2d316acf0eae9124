"""Mirtavo's web build in headless Chromium, driven as a user would: the page served from
127.0.0.1, clicks at a window's controls, keys typed, results read back through the clipboard.
Shared by the end-to-end test, the screenshot script and the load benchmark."""

import functools
import http.server
import subprocess
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

TWIPS_PER_PIXEL = 15
# The client areas of the windows the tests open, in twips, as the layouts give them.
MAIN_CLIENT = (7530, 3375)
ALPHA_CLIENT = (5250, 1605)
ITEMS_CLIENT = (5250, 1245)
GRAPH_CLIENT = (9210, 4845)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, format, *args):
        self.server.requests.append(self.path)


class StaticServer:
    """Serves a folder on a free port of 127.0.0.1 and counts the requests it answers."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=str(folder))
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.httpd.requests = []
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    @property
    def requests(self):
        return list(self.httpd.requests)

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def start_chromium(width=1280, height=900, language="en-US"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # WebGL drawn in software, as no GPU is at hand; no requests of Chromium's own.
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                 "--enable-unsafe-swiftshader",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--no-first-run", "--disable-quic",
                 f"--window-size={width},{height}", f"--lang={language}"):
        options.add_argument(flag)
    # The page's navigator.language follows the accepted languages, not --lang, when headless.
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # The window's outer size includes no browser frame in headless mode; the page gets it all.
    driver.set_window_size(width, height)
    return driver


def wait_until(condition, seconds=30, what="the condition"):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out after {seconds} s waiting for {what}")


class Desktop:
    """Where the windows stand on the page, from the frame the browser's platform draws."""

    def __init__(self, page, main_frame):
        self.page = page
        self.width, self.height = page.page_size()
        main_width, main_height = (t // TWIPS_PER_PIXEL for t in MAIN_CLIENT)
        self.side = (main_frame.width - main_width) // 2
        self.caption = main_frame.height - main_height - self.side

    def centred_frame(self, client_twips, left_divisor=2):
        """The frame's left and top edges, and its size, by the centring rule."""
        width = client_twips[0] // TWIPS_PER_PIXEL + 2 * self.side
        height = client_twips[1] // TWIPS_PER_PIXEL + self.caption + self.side
        return (self.width - width) / left_divisor, (self.height - height) / 2, width, height

    def point(self, frame, twips_x, twips_y):
        return (round(frame[0] + self.side + twips_x / TWIPS_PER_PIXEL),
                round(frame[1] + self.caption + twips_y / TWIPS_PER_PIXEL))

    def click(self, frame, twips_x, twips_y, button="left"):
        self.page.click(*self.point(frame, twips_x, twips_y), button)


class MirtavoPage:
    """The page with the program running in it."""

    def __init__(self, driver, url):
        self.driver = driver
        self.url = url
        driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

    def open(self):
        self.driver.get(self.url)
        self.wait_for_state("running")

    def state(self):
        return self.driver.execute_script("return document.documentElement.dataset.mirtavo || ''")

    def wait_for_state(self, state, seconds=60):
        wait_until(lambda: self.state() == state, seconds, f"the page to be {state}")

    def wait_for_main_window(self):
        """The main window's frame once it is drawn, and the colour of the page around it."""
        def drawn():
            picture = self.picture()
            background = picture.pixel(0, 0)
            frame = picture.box_apart_from(background)
            return (frame, background) if frame else None
        return wait_until(drawn, 30, "the main window")

    def wait_until_kept(self):
        """Waits until the service worker has kept this build and controls the page."""
        wait_until(lambda: self.driver.execute_script(
            "return !!navigator.serviceWorker.controller"), 60, "the service worker")

    def build(self):
        """The build of the page, and the sizes of the program's two files as the page got them."""
        return self.driver.execute_script(
            "const sizes = {};"
            "for (const entry of performance.getEntriesByType('resource')) {"
            "  const name = entry.name.split('/').pop();"
            "  if (name === 'mirtavo.js' || name === 'mirtavo.wasm') {"
            "    sizes[name] = entry.decodedBodySize;"
            "  }"
            "}"
            "return [document.body.dataset.build, sizes];")

    def page_size(self):
        return self.driver.execute_script("return [innerWidth, innerHeight]")

    def click(self, x, y, button="left"):
        """Clicks at a point of the page, in CSS pixels."""
        canvas = self.driver.find_element("id", "qtcanvas")
        width, height = self.page_size()
        actions = ActionChains(self.driver)
        actions.move_to_element_with_offset(canvas, x - width // 2, y - height // 2)
        if button == "right":
            actions.context_click()
        else:
            actions.click()
        actions.perform()
        time.sleep(0.2)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()
        time.sleep(0.1)

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()
        time.sleep(0.1)

    def clipboard_text(self):
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "navigator.clipboard.readText().then(done, e => done('clipboard error: ' + e))")

    def clipboard_types(self):
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "navigator.clipboard.read().then("
            "  items => done(items.flatMap(item => item.types).filter(t => t !== 'text/plain')),"
            "  e => done([]))")

    def copy_selection(self):
        """Ctrl+A then Ctrl+C in the focused field, and the text that reached the clipboard."""
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "navigator.clipboard.writeText('').then(done, done)")
        self.chord(Keys.CONTROL, "a")
        self.chord(Keys.CONTROL, "c")
        return wait_until(self.clipboard_text, 10, "text on the clipboard")

    def screenshot(self, path):
        self.driver.save_screenshot(str(path))

    def picture(self):
        return Picture(self.driver.get_screenshot_as_png())

    def console_errors(self):
        return [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]


def message_box(picture, centre, caption_colour, similar):
    """The message box standing centred on the page: its caption is the only one in the active
    colour straight above the centre, and below the caption its client area is centred."""
    x, y = centre
    while y > 0 and not similar(picture.pixel(x, y), caption_colour):
        y -= 1
    client_top = y + 1
    while y > 0 and similar(picture.pixel(x, y - 1), caption_colour):
        y -= 1
    left = x
    while left > 0 and similar(picture.pixel(left - 1, y), caption_colour):
        left -= 1
    return Box(left, y, 2 * x - left, 2 * centre[1] - client_top)


class Box:
    def __init__(self, left, top, right, bottom):
        self.left, self.top, self.right, self.bottom = left, top, right, bottom

    @property
    def width(self):
        return self.right - self.left + 1

    @property
    def height(self):
        return self.bottom - self.top + 1

    def __repr__(self):
        return f"Box({self.left}, {self.top}, {self.width} x {self.height})"


class Picture:
    """A screenshot's pixels (ImageMagick decodes the PNG)."""

    def __init__(self, png):
        size = subprocess.run(["identify", "-format", "%w %h", "png:-"], input=png,
                              capture_output=True, check=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png,
                                  capture_output=True, check=True).stdout

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def box_apart_from(self, background):
        """The smallest box holding every pixel that is not the background colour."""
        xs, ys = [], []
        for y in range(self.height):
            row = self.rgb[3 * y * self.width:3 * (y + 1) * self.width]
            columns = [x for x in range(self.width) if row[3 * x:3 * x + 3] != bytes(background)]
            if columns:
                xs += [columns[0], columns[-1]]
                ys.append(y)
        return Box(min(xs), min(ys), max(xs), max(ys)) if ys else None

    def differs(self, other, box):
        return any(self.pixel(x, y) != other.pixel(x, y)
                   for y in range(box.top, box.bottom + 1) for x in range(box.left, box.right + 1))
