"""How much the browser build weighs and how fast its page starts.

    python3 bench/web_load.py [SITE] [RUNS]

SITE is the installed page (build-web/Mirtavo-1.0-web unless given). Prints each file's size
as served and gzip-compressed, then, over RUNS (5) cold starts in headless Chromium with an
empty profile (no HTTP cache, no service worker), the time from asking for the page on
127.0.0.1 to the program running, and to the main window drawn (found by polling screenshots,
so it is late by at most one screenshot, about 0.1 s). A benchmark, not a test: it asserts
nothing."""

import gzip
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser import MirtavoPage, StaticServer, start_chromium  # noqa: E402


def weights(site):
    print(f"{'file':<28}{'bytes':>12}{'gzip -9':>12}")
    total = total_gzip = 0
    for path in sorted(p for p in site.rglob("*") if p.is_file() and "licenses" not in p.parts):
        data = path.read_bytes()
        packed = len(gzip.compress(data, 9))
        total, total_gzip = total + len(data), total_gzip + packed
        print(f"{str(path.relative_to(site)):<28}{len(data):>12,}{packed:>12,}")
    print(f"{'the page without licences':<28}{total:>12,}{total_gzip:>12,}")


def cold_start(server):
    driver = start_chromium()
    try:
        page = MirtavoPage(driver, server.url)
        asked = time.monotonic()
        driver.get(server.url)
        page.wait_for_state("running")
        running = time.monotonic() - asked
        page.wait_for_main_window()
        return running, time.monotonic() - asked
    finally:
        driver.quit()


def main():
    site = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/Mirtavo-1.0-web")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    weights(site)
    server = StaticServer(site)
    try:
        times = [cold_start(server) for _ in range(runs)]
    finally:
        server.stop()
    for label, values in (("running", [t[0] for t in times]), ("main window drawn", [t[1] for t in times])):
        print(f"{label:<20} median {statistics.median(values):.2f} s, "
              f"min {min(values):.2f} s, max {max(values):.2f} s over {runs} cold starts")


if __name__ == "__main__":
    main()
