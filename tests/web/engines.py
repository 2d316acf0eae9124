"""Three browser engines behind one small interface, so the page test can walk the same path
in each: Chromium through chromedriver, Firefox through WebDriver BiDi spoken directly (no
geckodriver here), WebKitGTK's MiniBrowser through WebKitWebDriver. Firefox and WebKit run
under an Xvfb of their own, as headless Firefox has no WebGL.

Every engine has the same methods:
    open(url), reload(), title(), quit()            open waits for the load event
    script(js, *arguments), async_script(js)       js is a function body, which finds the
                                                    arguments in `arguments`; async_script awaits
                                                    the promise it returns
    png()                                           the viewport as PNG bytes
    accessibility_tree()                            the browser's accessibility tree, where its
                                                    automation can read it (Chromium's)
    click(x, y, button="left")                      CSS pixels, from the viewport's corner
    keys(*keys), chord(modifier, key)               text and Selenium's Keys values
    console_errors()                                console messages of level error since start
and says what it is (name, version) and what its automation cannot do (the can_* and has_*
attributes, listed by cannot()), so a test names the step it skips; asked anyway, it raises
Unsupported.

    engine = start("firefox")            or Chromium(), Firefox(), WebKit()

Chromium is headless, with WebGL drawn in software; Chromium(webgl=False) is a browser without
WebGL at all; Chromium(atspi=True) runs on a display and buses of its own, where atspi_tree()
reads it as Orca does. Chromium(device=TouchDevice(...)) and Firefox(device=...) are that
device's browser, where touch(x, y, seconds) taps, and in Chromium an input method commit(text)s
and compose(text)s.
"""

import base64
import dataclasses
import json
import math
import os
import pathlib
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

import websocket
from selenium import webdriver
from selenium.common.exceptions import JavascriptException, TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.chrome.service import Service as ChromiumService
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.webkitgtk.service import Service as WebKitService

WIDTH, HEIGHT = 1280, 900
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
STARTUP_SECONDS = 60
# Wraps a function body so a rejection comes back as a value Selenium can carry.
SELENIUM_ASYNC = """const done = arguments[arguments.length - 1];
(async () => { %s })().then(value => done({value}),
                            error => done({error: String(error)}));"""


# Keeps what the page reports as errors from now on, where the driver cannot read the console.
CONSOLE_HOOK = """if (!window.consoleErrorsSeen) {
    const seen = window.consoleErrorsSeen = [];
    const error = console.error;
    console.error = (...args) => {
        seen.push(args.map(String).join(" "));
        error.apply(console, args);
    };
    addEventListener("error", event =>
        seen.push(`${event.message} (${event.filename}:${event.lineno}:${event.colno})`));
    addEventListener("unhandledrejection", event => seen.push(
        `Uncaught ${event.reason} ${(event.reason && event.reason.stack || "").split("\\n", 1)[0]}`));
}"""


def button_number(button):
    """WebDriver's number for a mouse button; classic and BiDi number them alike."""
    numbers = {"left": 0, "middle": 1, "right": 2}
    if button not in numbers:
        raise ValueError(f"no mouse button {button!r}; there are {', '.join(numbers)}")
    return numbers[button]


class ScriptError(Exception):
    """A page script threw, or the promise it returned was rejected."""


class EngineError(Exception):
    """The browser or its driver failed, or did not answer in time."""


class Unsupported(EngineError):
    """The engine cannot do this; its can_* flag says so beforehand."""


class VirtualDisplay:
    """An Xvfb server on a display number it picks itself, for one browser's windows."""

    def __init__(self, width=1600, height=1200):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            ready, _, _ = select.select([pipe], [], [], 15)
            number = pipe.readline().strip() if ready else ""
        if not number.isdigit():
            self.stop()
            raise EngineError("Xvfb did not start")
        self.name = f":{number}"

    def environment(self, **extra):
        """The caller's environment with this display, and no Wayland to prefer over it."""
        env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "DISPLAY")}
        return {**env, "DISPLAY": self.name, "GDK_BACKEND": "x11", **extra}

    def stop(self):
        stop_process(self.process)


class AccessibilityBus:
    """A D-Bus session of its own with an accessibility bus on it, as a desktop session has, for
    one browser on its own display: nothing of the machine's session reaches the test, and a
    machine without one needs none. tree(name) is what an AT-SPI client reads there of that
    application (atspi_tree.py)."""

    def __init__(self, display):
        # The launcher ends with the session's bus, and the accessibility bus with the launcher.
        self.process = subprocess.Popen(
            ["dbus-run-session", "--", "sh", "-c", 'echo "$DBUS_SESSION_BUS_ADDRESS" && '
             "exec /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
            env=self._outside(display.environment()), start_new_session=True)
        ready, _, _ = select.select([self.process.stdout], [], [], 15)
        address = self.process.stdout.readline().strip() if ready else ""
        if not address:
            self.stop()
            raise EngineError("the D-Bus session did not start")
        self.env = {**self._outside(display.environment()), "DBUS_SESSION_BUS_ADDRESS": address,
                    "ACCESSIBILITY_ENABLED": "1"}

    @staticmethod
    def _outside(env):
        return {k: v for k, v in env.items() if not k.startswith(("DBUS_", "AT_SPI_"))}

    def tree(self, application):
        reader = pathlib.Path(__file__).with_name("atspi_tree.py")
        return json.loads(subprocess.run(["/usr/bin/python3", str(reader), application],
                                         env=self.env, capture_output=True, check=True,
                                         timeout=60).stdout)

    def stop(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
        stop_process(self.process)
        self.process.stdout.close()


def stop_process(process, seconds=10):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(seconds)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Engine:
    """What all three share. The flags say what this engine's automation can do."""

    name = ""
    version = ""
    can_read_clipboard = True
    can_write_clipboard = True
    can_context_click = True
    can_read_console = True
    can_read_accessibility_tree = False
    has_webgl = True
    has_service_worker = True
    can_emulate_touch = False
    # An input method's commits and compositions, and a phone's screen: DevTools' emulation.
    can_emulate_phone_and_input_method = False
    CAPABILITIES = ("can_read_clipboard", "can_write_clipboard", "can_context_click",
                    "can_read_console", "can_read_accessibility_tree", "has_webgl",
                    "has_service_worker", "can_emulate_touch",
                    "can_emulate_phone_and_input_method")

    def accessibility_tree(self):
        raise Unsupported(f"{self.name} does not show its accessibility tree to a test")

    def before_each_page(self, js):
        """Runs a script in every page this tab loads from now on, before the page's own."""
        raise Unsupported(f"{self.name} runs no script of a test's before a page's own")

    def cannot(self):
        """The names of the capabilities this engine lacks."""
        return [flag for flag in self.CAPABILITIES if not getattr(self, flag)]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.quit()

    def __repr__(self):
        return f"{type(self).__name__}({self.name} {self.version})"


class SeleniumEngine(Engine):
    """Chromium and WebKit: WebDriver classic through Selenium."""

    driver = None

    def _sized(self, width, height):
        """Sets the window so its viewport, not its outer frame, has the size asked for."""
        self.driver.set_script_timeout(STARTUP_SECONDS)
        self.driver.set_window_size(width, height)
        inner = self.driver.execute_script("return [innerWidth, innerHeight]")
        if inner != [width, height]:
            self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])
        self.version = self.driver.capabilities.get("browserVersion", "")

    def open(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def new_tab(self):
        """Opens a tab and acts in it from now on; the tab before it, for use_tab."""
        before = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        return before

    def use_tab(self, tab):
        """Acts in that tab; the one acted in until now, to come back to."""
        before = self.driver.current_window_handle
        self.driver.switch_to.window(tab)
        return before

    def title(self):
        return self.driver.title

    def script(self, js, *arguments):
        try:
            return self.driver.execute_script(js, *arguments)
        except JavascriptException as error:
            raise ScriptError(error.msg) from None

    def async_script(self, js):
        try:
            outcome = self.driver.execute_async_script(SELENIUM_ASYNC % js)
        except (JavascriptException, TimeoutException) as error:
            raise ScriptError(error.msg) from None
        if "error" in outcome:
            raise ScriptError(outcome["error"])
        return outcome.get("value")

    def png(self):
        return self.driver.get_screenshot_as_png()

    def click(self, x, y, button="left"):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(x), round(y))
        actions.pointer_action.click(button=button_number(button))
        actions.perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def quit(self):
        if self.driver:
            self.driver.quit()
            self.driver = None


@dataclasses.dataclass
class TouchDevice:
    """A touch screen's browser: its user agent and platform with five touch points; a phone's
    also its small screen, laid out as a phone's browser lays out a page, with three pixels to
    a CSS pixel."""

    name: str
    platform: str
    user_agent: str
    width: int
    height: int
    phone: bool = False


class Chromium(SeleniumEngine):
    """Headless Chromium through chromedriver, its accessibility tree through DevTools; with
    atspi=True on a display of its own, its tree also through AT-SPI."""

    name = "chromium"
    can_read_accessibility_tree = True
    can_emulate_touch = can_emulate_phone_and_input_method = True

    def __init__(self, width=WIDTH, height=HEIGHT, language="en-US", webgl=True, device=None,
                 atspi=False):
        if device:
            width, height = device.width, device.height
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        # WebGL drawn in software, as no GPU is at hand; no requests of Chromium's own.
        flags = ["--force-renderer-accessibility" if atspi else "--headless=new", "--no-sandbox",
                 "--disable-dev-shm-usage", "--enable-unsafe-swiftshader",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--no-first-run", "--disable-quic", f"--window-size={width},{height}",
                 f"--lang={language}"]
        if not webgl:
            flags += ["--disable-webgl", "--disable-3d-apis"]
        for flag in flags:
            options.add_argument(flag)
        # The page's navigator.language follows the accepted languages, not --lang, when
        # headless.
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.has_webgl = webgl
        self.errors = []
        self.display = self.bus = None
        try:
            # Orca reads a Chromium on a desktop, through its session's buses: this one has a
            # display and buses of its own.
            if atspi:
                self.display = VirtualDisplay()
                self.bus = AccessibilityBus(self.display)
            service = ChromiumService("/usr/bin/chromedriver", env=self.bus and self.bus.env)
            self.driver = webdriver.Chrome(service=service, options=options)
            self._sized(width, height)
            if device:
                self._emulate(device)
        except Exception:
            self.quit()
            raise

    def _emulate(self, device):
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.cdp("Emulation.setUserAgentOverride",
                 {"userAgent": device.user_agent, "platform": device.platform})
        if device.phone:
            self.cdp("Emulation.setDeviceMetricsOverride", {
                "width": device.width, "height": device.height, "deviceScaleFactor": 3,
                "mobile": True})

    def cdp(self, method, params):
        return self.driver.execute_cdp_cmd(method, params)

    def before_each_page(self, js):
        self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": js})

    def touch(self, x, y, seconds=0.05):
        """A finger on a point of the page's layout (CSS pixels) for so long."""
        self.cdp("Input.dispatchTouchEvent",
                 {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        time.sleep(seconds)
        self.cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def commit(self, text):
        """Text an input method settles on, with no key of its own."""
        self.cdp("Input.insertText", {"text": text})

    def compose(self, text):
        """Text an input method is still composing."""
        self.cdp("Input.imeSetComposition",
                 {"text": text, "selectionStart": len(text), "selectionEnd": len(text)})

    def open(self, url):
        # Clipboard reads need the permission a user would grant; it is kept per origin, which
        # a page such as about:blank does not have.
        origin = re.match(r"https?://[^/]+", url)
        if origin:
            self.driver.execute_cdp_cmd("Browser.grantPermissions", {
                "origin": origin.group(0),
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.driver.get(url)

    def accessibility_tree(self):
        """Every node of the page's accessibility tree, as DevTools gives it."""
        return self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

    def atspi_tree(self):
        """What Orca reads of the browser through AT-SPI, where started with atspi=True."""
        if not self.bus:
            raise Unsupported("this Chromium was started without atspi=True")
        return self.bus.tree("chromium")

    def quit(self):
        super().quit()
        for helper in (self.bus, self.display):
            if helper:
                helper.stop()
        self.bus = self.display = None

    def console_errors(self):
        # Each read of the log drains it.
        self.errors += [entry["message"] for entry in self.driver.get_log("browser")
                        if entry["level"] == "SEVERE"]
        return list(self.errors)


class WebKit(SeleniumEngine):
    """MiniBrowser under WebKitWebDriver. Its console is not to be had: WebKitWebDriver has no
    log endpoint, and MiniBrowser prints no console messages while automated. A hook put in
    after each load stands in; it hears uncaught errors and later console.error calls, but
    not what the page said while loading, nor loggers that kept the console.error before it."""

    name = "webkit"
    can_read_console = False
    # WebKitWebDriver releases any button as the left one, so a right or middle button stays
    # held for the rest of the session: later presses reach the page only as chorded
    # pointermoves, never as pointerdown, and a page that listens to pointer events sees no
    # click at all.
    can_context_click = False

    def __init__(self, width=WIDTH, height=HEIGHT, language="en-US"):
        self.display = VirtualDisplay()
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="mirtavo-webkit-"))
        self.log = self.folder / "webkit.log"
        self.service = None
        self.errors = []
        try:
            self.driver = self._start(language)
            self._sized(width, height)
        except Exception:
            self.quit()
            raise

    def _start(self, language):
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        for flag in ("--automation", "--javascript-can-access-clipboard=true",
                     "--enable-webgl=true"):
            options.add_argument(flag)
        # The page's languages follow LANG, whether or not that locale is installed.
        locale = language.replace("-", "_")
        # A fresh home each time: no service worker, cache or storage left from an earlier run.
        home = {variable: str(self.folder / folder) for variable, folder in (
            ("HOME", "."), ("XDG_CACHE_HOME", "cache"), ("XDG_CONFIG_HOME", "config"),
            ("XDG_DATA_HOME", "data"))}
        environment = self.display.environment(LANG=f"{locale}.UTF-8", LANGUAGE=locale, **home)
        service = WebKitService("/usr/bin/WebKitWebDriver", log_path=str(self.log),
                                env=environment)
        # Selenium's WebKitGTK class takes no environment for the driver; start it here.
        self.service = service
        service.start()
        return webdriver.Remote(command_executor=service.service_url, options=options)

    def click(self, x, y, button="left"):
        if button != "left":
            raise Unsupported(f"{self.name} cannot click with the {button} button")
        super().click(x, y)

    def open(self, url):
        self._load(lambda: self.driver.get(url))

    def reload(self):
        self._load(self.driver.refresh)

    def _load(self, load):
        """Keeps what the page heard before it goes, and listens in the next one."""
        if self.driver.current_url.startswith("http"):
            self.errors += self.script("return window.consoleErrorsSeen || []")
        load()
        self.script(CONSOLE_HOOK)

    def console_errors(self):
        return self.errors + self.script("return window.consoleErrorsSeen || []")

    def quit(self):
        super().quit()
        if self.service:
            self.service.stop()
            self.service = None
        self.display.stop()
        shutil.rmtree(self.folder, ignore_errors=True)


# Quiet and offline: no updates, reports, first-run pages or probes of the network.
FIREFOX_PREFS = {
    "app.update.auto": False,
    "app.update.disabledForTesting": True,
    "app.update.enabled": False,
    "browser.aboutwelcome.enabled": False,
    "browser.newtabpage.enabled": False,
    "browser.ping-centre.telemetry": False,
    "browser.safebrowsing.blockedURIs.enabled": False,
    "browser.safebrowsing.downloads.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "browser.search.update": False,
    "browser.sessionstore.resume_from_crash": False,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.startup.page": 0,
    "browser.tabs.warnOnClose": False,
    "datareporting.healthreport.uploadEnabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "datareporting.policy.firstRunURL": "",
    "extensions.getAddons.cache.enabled": False,
    "extensions.update.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "network.dns.disablePrefetch": True,
    "network.http.speculative-parallel-limit": 0,
    "network.prefetch-next": False,
    "startup.homepage_welcome_url": "",
    "startup.homepage_welcome_url.additional": "",
    "toolkit.startup.max_resumed_crashes": -1,
    "toolkit.telemetry.enabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "toolkit.telemetry.server": "",
    "toolkit.telemetry.unified": False,
    # What the program needs.
    "dom.serviceWorkers.enabled": True,
    "webgl.disabled": False,
    # Reads of the clipboard without the "Paste" button a user would have to press.
    "dom.events.testing.asyncClipboard": True,
}


def user_js(prefs):
    return "".join(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n"
                   for name, value in prefs.items())


class Firefox(Engine):
    """Firefox ESR through WebDriver BiDi over a WebSocket."""

    name = "firefox"
    can_emulate_touch = True

    def __init__(self, width=WIDTH, height=HEIGHT, language="en-US", device=None):
        self.socket = None
        self.process = None
        self.next_id = 0
        self.errors = []
        self.display = VirtualDisplay()
        self.profile = pathlib.Path(tempfile.mkdtemp(prefix="mirtavo-firefox-"))
        # Its preferences make it a touch screen's browser.
        self.device_prefs = {} if not device else {
            "dom.maxtouchpoints.testing.value": 5, "dom.w3c_touch_events.enabled": 1,
            "general.platform.override": device.platform,
            "general.useragent.override": device.user_agent}
        if device:
            width, height = device.width, device.height
        try:
            self._start(language)
            self._begin_session(width, height)
        except Exception:
            self.quit()
            raise

    def _start(self, language):
        prefs = {**FIREFOX_PREFS, "intl.accept_languages": language, **self.device_prefs}
        (self.profile / "user.js").write_text(user_js(prefs))
        log = self.profile / "firefox.log"
        with open(log, "wb") as output:
            # Port 0: Firefox takes a free port and names it in its log.
            self.process = subprocess.Popen(
                ["firefox-esr", "--remote-debugging-port", "0", "--profile", str(self.profile),
                 "--no-remote", "--new-instance", "about:blank"],
                stdout=output, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                env=self.display.environment(MOZ_CRASHREPORTER_DISABLE="1"))
        address = self._wait_for_address(log)
        # Firefox refuses a handshake that carries an Origin header.
        self.socket = websocket.create_connection(f"{address}/session", suppress_origin=True,
                                                  timeout=STARTUP_SECONDS)

    def _wait_for_address(self, log):
        deadline = time.monotonic() + STARTUP_SECONDS
        while time.monotonic() < deadline:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)",
                              log.read_text(errors="replace"))
            if found:
                return found.group(1)
            if self.process.poll() is not None:
                raise EngineError(f"Firefox ended at start: {log.read_text()[-2000:]}")
            time.sleep(0.1)
        raise EngineError("Firefox did not open its WebDriver BiDi port")

    def _begin_session(self, width, height):
        session = self._send("session.new", {"capabilities": {}})
        self.version = session["capabilities"]["browserVersion"]
        self._send("session.subscribe", {"events": ["log.entryAdded"]})
        tree = self._send("browsingContext.getTree", {"maxDepth": 0})
        self.context = tree["contexts"][0]["context"]
        self._send("browsingContext.setViewport", {
            "context": self.context, "viewport": {"width": width, "height": height}})

    def _send(self, method, params, seconds=STARTUP_SECONDS):
        """Sends a command and waits for its reply; events that come first are kept."""
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        deadline = time.monotonic() + seconds
        while True:
            self.socket.settimeout(max(0.1, deadline - time.monotonic()))
            try:
                message = json.loads(self.socket.recv())
            except websocket.WebSocketTimeoutException:
                raise EngineError(f"no answer to {method} in {seconds} s") from None
            if message.get("type") == "event":
                self._note(message)
            elif message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise EngineError(f"{method}: {message['error']}: {message['message']}")
                return message["result"]

    def _note(self, event):
        """Keeps the console's errors; the session asks for no other events."""
        params = event.get("params", {})
        if event.get("method") == "log.entryAdded" and params.get("level") == "error":
            self.errors.append(params.get("text", ""))

    def open(self, url):
        self._send("browsingContext.navigate",
                   {"context": self.context, "url": url, "wait": "complete"})

    def reload(self):
        self._send("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def new_tab(self):
        before = self.context
        self.context = self._send("browsingContext.create", {"type": "tab"})["context"]
        return before

    def use_tab(self, tab):
        before, self.context = self.context, tab
        # A tab in the background draws nothing.
        self._send("browsingContext.activate", {"context": tab})
        return before

    def before_each_page(self, js):
        self._send("script.addPreloadScript",
                   {"functionDeclaration": f"() => {{ {js}\n}}", "contexts": [self.context]})

    def title(self):
        return self.script("return document.title")

    def script(self, js, *arguments):
        return self._call(f"function () {{ {js}\n}}", False, arguments)

    def async_script(self, js):
        return self._call(f"async function () {{ {js}\n}}", True)

    def _call(self, function, await_promise, arguments=()):
        # As if the user had just acted: Firefox writes to the clipboard only then.
        outcome = self._send("script.callFunction", {
            "functionDeclaration": function, "target": {"context": self.context},
            "arguments": [to_remote(value) for value in arguments],
            "awaitPromise": await_promise, "userActivation": True,
            "resultOwnership": "none", "serializationOptions": {"maxObjectDepth": 8}})
        if outcome["type"] == "exception":
            raise ScriptError(outcome["exceptionDetails"]["text"])
        return from_remote(outcome["result"])

    def png(self):
        shot = self._send("browsingContext.captureScreenshot", {"context": self.context})
        return base64.b64decode(shot["data"])

    def click(self, x, y, button="left"):
        self._press("mouse", x, y, button_number(button))

    def touch(self, x, y, seconds=0.05):
        self._press("touch", x, y, 0, {"type": "pause", "duration": round(seconds * 1000)})

    def _press(self, pointer, x, y, button, *held):
        """A press and release at a point of the viewport, with what `held` does in between."""
        self._perform({"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer},
                       "actions": [{"type": "pointerMove", "x": round(x), "y": round(y),
                                    "origin": "viewport"},
                                   {"type": "pointerDown", "button": button}, *held,
                                   {"type": "pointerUp", "button": button}]})

    def keys(self, *keys):
        self._strokes([stroke for key in "".join(keys) for stroke in (("Down", key), ("Up", key))])

    def chord(self, modifier, key):
        self._strokes([("Down", modifier), ("Down", key), ("Up", key), ("Up", modifier)])

    def _strokes(self, strokes):
        self._perform({"type": "key", "id": "keyboard", "actions": [
            {"type": f"key{change}", "value": key} for change, key in strokes]})

    def _perform(self, source):
        self._send("input.performActions", {"context": self.context, "actions": [source]})

    def console_errors(self):
        # A round trip through the page lets its earlier log entries arrive first.
        self.script("return 0")
        return list(self.errors)

    def quit(self):
        if self.socket:
            try:
                self._send("browser.close", {}, seconds=10)
            except (EngineError, OSError, websocket.WebSocketException):
                pass
            self.socket.close()
            self.socket = None
        if self.process:
            stop_process(self.process)
        self.display.stop()
        shutil.rmtree(self.profile, ignore_errors=True)


def to_remote(value):
    """A WebDriver BiDi local value from a string, number, boolean or None."""
    if value is None:
        return {"type": "null"}
    kinds = {bool: "boolean", int: "number", float: "number", str: "string"}
    return {"type": kinds[type(value)], "value": value}


def from_remote(value):
    """A Python value from a WebDriver BiDi remote value."""
    kind, data = value["type"], value.get("value")
    if kind in ("undefined", "null"):
        return None
    if kind == "number" and isinstance(data, str):
        return {"NaN": math.nan, "-0": -0.0, "Infinity": math.inf, "-Infinity": -math.inf}[data]
    if kind == "bigint":
        return int(data)
    if kind in ("array", "set"):
        return [from_remote(item) for item in data or []]
    if kind in ("object", "map"):
        return {key if isinstance(key, str) else str(from_remote(key)): from_remote(item)
                for key, item in data or []}
    if kind in ("string", "number", "boolean"):
        return data
    return value  # a node, function or the like, as the browser described it


ENGINES = {engine.name: engine for engine in (Chromium, Firefox, WebKit)}


def start(name, **options):
    """The engine of that name, started: "chromium", "firefox" or "webkit"."""
    if name not in ENGINES:
        raise ValueError(f"no engine {name!r}; there are {', '.join(ENGINES)}")
    return ENGINES[name](**options)
