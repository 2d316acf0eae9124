"""How much the browser build weighs and how fast its page starts.

    python3 bench/web_load.py [SITE] [RUNS]

SITE is the installed page (build-web/Mirtavo-1.0-web unless given). Prints each file the page
loads with its size as served, gzip -9 and brotli -q 11, then, over RUNS (5) starts in headless
Chromium, the time from asking for the page on 127.0.0.1 to the program running and to the main
window drawn (found by polling screenshots, so late by at most one screenshot, about 0.1 s):
cold, with an empty profile (no HTTP cache, no service worker, no compiled code), and on a
second visit in the same profile. A benchmark, not a test: it asserts nothing."""

import gzip
import pathlib
import statistics
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import engines  # noqa: E402
from browser import MirtavoPage, StaticServer  # noqa: E402


def loaded_files(site):
    """What the page loads: not the licence texts, which only people read, nor the files
    compressed ahead of time, which stand in for others."""
    return sorted(p for p in site.rglob("*") if p.is_file() and "licenses" not in p.parts
                  and p.suffix not in (".br", ".gz"))


def brotli_size(data):
    return len(subprocess.run(["brotli", "-q", "11", "-c"], input=data, capture_output=True,
                              check=True).stdout)


def weights(site):
    print(f"{'file':<28}{'bytes':>12}{'gzip -9':>12}{'brotli -q 11':>14}")
    totals = [0, 0, 0]
    for path in loaded_files(site):
        data = path.read_bytes()
        sizes = (len(data), len(gzip.compress(data, 9)), brotli_size(data))
        totals = [t + s for t, s in zip(totals, sizes)]
        print(f"{str(path.relative_to(site)):<28}{sizes[0]:>12,}{sizes[1]:>12,}{sizes[2]:>14,}")
    print(f"{'everything the page loads':<28}{totals[0]:>12,}{totals[1]:>12,}{totals[2]:>14,}")


def start(engine, page, url):
    asked = time.monotonic()
    engine.open(url)
    page.wait_for_state("running")
    running = time.monotonic() - asked
    page.wait_for_main_window()
    return running, time.monotonic() - asked


def visits(server):
    """A cold start and, once the page has kept what it keeps, a second visit."""
    with engines.Chromium() as engine:
        page = MirtavoPage(engine, server.url)
        cold = start(engine, page, server.url)
        page.wait_until_kept()
        # The browser keeps the compiled program once its optimising compiler is done.
        time.sleep(5)
        engine.open("about:blank")
        return cold, start(engine, page, server.url)


def report(label, values):
    print(f"{label:<34} median {statistics.median(values):.2f} s, "
          f"min {min(values):.2f} s, max {max(values):.2f} s")


def main():
    site = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/Mirtavo-1.0-web")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    weights(site)
    server = StaticServer(site)
    try:
        times = [visits(server) for _ in range(runs)]
    finally:
        server.stop()
    print(f"over {runs} runs:")
    for visit, name in ((0, "cold"), (1, "second visit")):
        report(f"{name}: running", [t[visit][0] for t in times])
        report(f"{name}: main window drawn", [t[visit][1] for t in times])


if __name__ == "__main__":
    main()
