"""Mirtavo's web build in a browser engine (engines.py), driven as a user would: the page
served from 127.0.0.1, clicks at a window's controls, keys typed, results read back through the
clipboard. Shared by the end-to-end test, the screenshot script and the load benchmark."""

import functools
import http.server
import subprocess
import threading
import time

from engines import ScriptError

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
    """Serves a folder on a free port of 127.0.0.1 and counts the requests it answers. Stopped,
    it is a host gone offline; started again, the same host back on the same address."""

    def __init__(self, folder):
        self.folder = folder
        self.port = 0
        self.answered = []
        self.start()

    def start(self):
        handler = functools.partial(QuietHandler, directory=str(self.folder))
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), handler)
        self.httpd.requests = self.answered
        self.port = self.httpd.server_address[1]
        self.url = f"http://127.0.0.1:{self.port}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    @property
    def requests(self):
        return list(self.answered)

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


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
    """The page with the program running in it, in one engine."""

    def __init__(self, engine, url):
        self.engine = engine
        self.url = url

    def open(self):
        self.engine.open(self.url)
        self.wait_for_state("running")

    def reload(self):
        self.engine.reload()
        self.wait_for_state("running")

    def title(self):
        return self.engine.title()

    def state(self):
        return self.engine.script("return document.documentElement.dataset.mirtavo || ''")

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
        wait_until(lambda: self.engine.script("return !!navigator.serviceWorker.controller"),
                   60, "the service worker")

    def kept_builds(self):
        return self.engine.async_script("return await caches.keys();")

    def build(self):
        """The build of the page, and the sizes of the program's two files as the page got them."""
        return self.engine.script(
            "return [document.body.dataset.build, {...window.mirtavoReceived}];")

    def page_size(self):
        return self.engine.script("return [innerWidth, innerHeight]")

    def click(self, x, y, button="left"):
        """Clicks at a point of the page, in CSS pixels."""
        self.engine.click(x, y, button)
        time.sleep(0.2)

    def keys(self, *keys):
        self.engine.keys(*keys)
        time.sleep(0.1)

    def chord(self, modifier, key):
        self.engine.chord(modifier, key)
        time.sleep(0.1)

    def clipboard_text(self):
        try:
            return self.engine.async_script("return await navigator.clipboard.readText();")
        except ScriptError as error:
            return f"clipboard error: {error}"

    def clipboard_types(self):
        """The types on the clipboard besides plain text."""
        try:
            return self.engine.async_script(
                "const items = await navigator.clipboard.read();"
                "return items.flatMap(item => item.types).filter(t => t !== 'text/plain');")
        except ScriptError:
            return []

    def copy_selection(self, control_key):
        """Ctrl+A then Ctrl+C in the focused field, and the text that reached the clipboard."""
        self.engine.async_script("await navigator.clipboard.writeText('');")
        self.chord(control_key, "a")
        self.chord(control_key, "c")
        return wait_until(self.clipboard_text, 10, "text on the clipboard")

    def screenshot(self, path):
        path.write_bytes(self.engine.png())

    def picture(self):
        return Picture(self.engine.png())

    def console_errors(self):
        return self.engine.console_errors()

    def mirror(self):
        """The mirror of the windows for screen readers, as the page's elements hold it: each
        element's role, name, text, inert and aria-hidden states, its depth, whether it has the
        focus, and where it stands on the page (x, y, width, height). A multi-line text's lines
        are no controls: its text is theirs."""
        return self.engine.script("""
            const found = [];
            const controls = (element) => [...element.children].filter((c) => c.dataset.id);
            const walk = (element, depth, left, top) => {
              for (const child of controls(element)) {
                const x = left + parseFloat(child.style.left);
                const y = top + parseFloat(child.style.top);
                found.push({role: child.getAttribute("role") || "", depth,
                            name: child.getAttribute("aria-label") || "",
                            text: controls(child).length ? "" : child.textContent,
                            inert: child.inert,
                            hidden: child.getAttribute("aria-hidden") === "true",
                            focused: document.activeElement === child,
                            x, y, width: parseFloat(child.style.width),
                            height: parseFloat(child.style.height)});
                walk(child, depth + 1, x, y);
              }
            };
            const mirror = document.getElementById("mirror");
            if (mirror) { walk(mirror, 0, 0, 0); }
            return found;""")

    def click_mirrored(self, role, name):
        """What a screen reader does to activate a control: a click on its element."""
        self.engine.script(
            "const [role, name] = arguments;"
            "for (const element of document.querySelectorAll(`#mirror [role='${role}']`)) {"
            "  if (element.getAttribute('aria-label') === name) { element.click(); return; }"
            "}"
            "throw new Error(`no ${role} named ${name}`);", role, name)
        time.sleep(0.2)


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
