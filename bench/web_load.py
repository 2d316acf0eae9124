"""How much the browser build weighs and how fast its page starts, next to Qt's floor.

    python3 bench/web_load.py [SITE] [RUNS]

SITE is the installed page (build-web/Mirtavo-1.0-web unless given). The floor is a bare Qt
Widgets window of the main window's size (bench/bare-window), built here with the same Qt for
WebAssembly into the build folder beside SITE and shown in Qt's own page.

Prints each file either page loads with its size as served, gzip -9 and brotli -q 11, then, over
RUNS (5) starts of each page in headless Chromium, taken in turns, the time from asking for the
page on 127.0.0.1 to its window drawn: cold, with an empty profile (no HTTP cache, no service
worker, no compiled code), and on a second visit in the same profile; and Mirtavo's time over
the bare window's. A window is drawn once two pixels of it (in its caption and its client area)
are, polled one pixel at a time through DevTools, so a time is late by a few milliseconds at
most. A benchmark, not a test: it asserts nothing."""

import base64
import dataclasses
import gzip
import pathlib
import statistics
import subprocess
import sys
import time
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "web"))
import engines  # noqa: E402
from browser import MirtavoPage, StaticServer, wait_until  # noqa: E402

CLIENT_GREY = (239, 239, 239)


@dataclasses.dataclass
class Page:
    name: str
    folder: pathlib.Path
    files: list
    address: str
    # Where the window stands once drawn, on the default 1280 x 900 page: pixel and colour.
    drawn: dict
    wait_until_kept: bool


def mirtavo_page(site):
    """What the page loads: not the licence texts, which only people read, nor the files
    compressed ahead of time, which stand in for others."""
    files = sorted(p for p in site.rglob("*") if p.is_file() and "licenses" not in p.parts
                   and p.suffix not in (".br", ".gz"))
    # The main window is centred, its caption in the active colour.
    return Page("Mirtavo", site, files, "", {(640, 335): (48, 140, 198), (640, 450): CLIENT_GREY},
                wait_until_kept=True)


def bare_page(build):
    """The bare window, built first if it is not there yet."""
    folder = build / "bare-window"
    subprocess.run(["bash", "-c", """
        set -euo pipefail
        . scripts/lib/qt-from-source.sh
        configure_for_web bench/bare-window "$0"
        cmake --build "$0" >/dev/null""", folder], cwd=ROOT, check=True)
    names = ("bare_window.html", "bare_window.js", "bare_window.wasm", "qtloader.js", "qtlogo.svg")
    # Shown at the page's top left, its caption in the inactive colour.
    return Page("bare Qt window", folder, [folder / n for n in names], "bare_window.html",
                {(250, 12): (159, 159, 159), (250, 130): CLIENT_GREY}, wait_until_kept=False)


def brotli_size(data):
    return len(subprocess.run(["brotli", "-q", "11", "-c"], input=data, capture_output=True,
                              check=True).stdout)


def weights(page):
    print(f"{page.name:<28}{'bytes':>12}{'gzip -9':>12}{'brotli -q 11':>14}")
    totals = [0, 0, 0]
    for path in page.files:
        data = path.read_bytes()
        sizes = (len(data), len(gzip.compress(data, 9)), brotli_size(data))
        totals = [t + s for t, s in zip(totals, sizes)]
        print(f"{str(path.relative_to(page.folder)):<28}{sizes[0]:>12,}{sizes[1]:>12,}"
              f"{sizes[2]:>14,}")
    print(f"{'everything it loads':<28}{totals[0]:>12,}{totals[1]:>12,}{totals[2]:>14,}\n")
    return totals


def pixel(engine, x, y):
    shot = engine.cdp("Page.captureScreenshot", {
        "format": "png", "clip": {"x": x, "y": y, "width": 1, "height": 1, "scale": 1}})
    png, data, at = base64.b64decode(shot["data"]), b"", 8
    while at < len(png):
        length = int.from_bytes(png[at:at + 4], "big")
        if png[at + 4:at + 8] == b"IDAT":
            data += png[at + 8:at + 8 + length]
        at += 12 + length
    # One pixel after the row's filter byte, which changes nothing in a row of one.
    return tuple(zlib.decompress(data)[1:4])


def start(engine, page, url):
    asked = time.monotonic()
    # Not WebDriver's navigation, which returns only once the page has loaded, often after the
    # window is drawn.
    engine.cdp("Page.navigate", {"url": url})
    wait_until(lambda: all(pixel(engine, *at) == colour for at, colour in page.drawn.items()),
               60, f"the {page.name} drawn")
    return time.monotonic() - asked


def visits(page, server):
    """A cold start and, once the page has kept what it keeps, a second visit."""
    url = server.url + page.address
    with engines.Chromium() as engine:
        cold = start(engine, page, url)
        if page.wait_until_kept:
            MirtavoPage(engine, url).wait_until_kept()
        # The browser keeps the compiled program once its optimising compiler is done.
        time.sleep(5)
        engine.open("about:blank")
        return cold, start(engine, page, url)


def main():
    site = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/Mirtavo-1.0-web")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    pages = [mirtavo_page(site.resolve()), bare_page(site.resolve().parent)]
    sizes = [weights(page) for page in pages]
    print("weight over the bare window's: "
          f"gzip {sizes[0][1] / sizes[1][1]:.3f}x, brotli {sizes[0][2] / sizes[1][2]:.3f}x\n")
    servers = [StaticServer(page.folder) for page in pages]
    times = [[], []]
    try:
        for run in range(runs):
            # In turns, so that neither page always runs on a machine the other has warmed.
            for i in (0, 1) if run % 2 == 0 else (1, 0):
                times[i].append(visits(pages[i], servers[i]))
    finally:
        for server in servers:
            server.stop()
    print(f"window drawn, median of {runs} (min - max):")
    for visit, name in ((0, "cold"), (1, "second visit")):
        medians = []
        for page, page_times in zip(pages, times):
            values = [t[visit] for t in page_times]
            medians.append(statistics.median(values))
            print(f"  {name:<13} {page.name:<15} {medians[-1]:.2f} s "
                  f"({min(values):.2f} - {max(values):.2f})")
        print(f"  {name:<13} {'ratio':<15} {medians[0] / medians[1]:.2f}x")


if __name__ == "__main__":
    main()
