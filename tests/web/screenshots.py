"""Screenshots of the browser build's windows, each cropped to its window with a margin of the
page around it: in headless Chromium the main window, alpha with a result, a message box, and
the table and graph for items 1 to 51; in Firefox and WebKit the alpha window, to set beside
Chromium's (alpha-firefox.png, alpha-webkit.png); and the whole page on a phone, 390 pixels
wide, with the alpha window's result (phone.png).

    screenshots.py SITE OUTPUT_FOLDER
"""

import pathlib
import subprocess
import sys
import time

from selenium.webdriver.common.keys import Keys

import engines
import page_test
from browser import ALPHA_CLIENT, GRAPH_CLIENT, Desktop, MirtavoPage, StaticServer

MARGIN = 12


def save(page, out, name, frame):
    """Crops the page's screenshot to a frame (left, top, width, height) and a margin."""
    left, top, width, height = (round(v) for v in frame)
    png = out / f"{name}.png"
    page.screenshot(png)
    geometry = f"{width + 2 * MARGIN}x{height + 2 * MARGIN}+{left - MARGIN}+{top - MARGIN}"
    subprocess.run(["convert", png, "-crop", geometry, "+repage", png], check=True)
    print(f"  {png}")


def photograph(engine, url, out, suffix=""):
    """The windows in one engine; with a suffix, only the alpha window."""
    page = MirtavoPage(engine, url)
    page.open()
    main_box, _ = page.wait_for_main_window()
    desktop = Desktop(page, main_box)
    main_frame = (main_box.left, main_box.top, main_box.width, main_box.height)
    if not suffix:
        save(page, out, "main", main_frame)

    desktop.click(main_frame, 360, 1320)
    page.keys("6", Keys.TAB, "4.5", Keys.TAB, "2.4", Keys.ENTER)
    time.sleep(0.5)
    alpha = desktop.centred_frame(ALPHA_CLIENT)
    save(page, out, f"alpha{suffix}", alpha)
    if suffix:
        return

    desktop.click(alpha, 4800, 285)
    page.chord(Keys.CONTROL, "a")
    page.keys("x", Keys.ENTER)
    time.sleep(0.5)
    save(page, out, "message", alpha)
    page.keys(Keys.ENTER)

    desktop.click(main_frame, 360, 2760)
    page.keys(".3", Keys.TAB, "1", Keys.TAB, "51", Keys.ENTER)
    time.sleep(0.5)
    save(page, out, "graph-1-51", desktop.centred_frame(GRAPH_CLIENT, left_divisor=1.01))
    page.screenshot(out / "page.png")
    print(f"  {out / 'page.png'}")


def photograph_phone(url, out):
    """The page on a phone, scaled down to its screen: alpha typed in through the on-screen
    keyboard's input method."""
    device = next(d for d, _ in page_test.TOUCH_SCREENS if d.phone)
    with engines.Chromium(device=device) as engine:
        page = MirtavoPage(engine, url)
        page.open()
        page.wait_for_main_window()
        page.click_mirrored("radio", page_test.OPTION1)
        time.sleep(0.3)
        first = next(e for e in page.mirror() if e["role"] == "textbox")
        engine.touch(first["x"] + first["width"] / 2, first["y"] + first["height"] / 2)
        for text in ("6", "4.5", "2.4"):
            time.sleep(0.3)
            engine.commit(text)
            page.keys(Keys.TAB)
        page.keys(Keys.ENTER)
        time.sleep(0.5)
        # At a third of its size: as large as the phone shows it.
        page.screenshot(out / "phone.png")
        subprocess.run(["convert", out / "phone.png", "-resize", "33.3333%", out / "phone.png"],
                       check=True)
        print(f"  {out / 'phone.png'}")


def main():
    site, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    server = StaticServer(site)
    try:
        for name in engines.ENGINES:
            with engines.start(name) as engine:
                photograph(engine, server.url, out, "" if name == "chromium" else f"-{name}")
        photograph_phone(server.url, out)
    finally:
        server.stop()


if __name__ == "__main__":
    main()
