#!/usr/bin/env python3
"""How fast the web album's title comes on a slow school connection, in headless Chromium.

Chromium's own network emulation (DevTools' Network.emulateNetworkConditions, through
chromedriver) holds the page to 1.6 Mbit/s down, 150 ms latency. Each visit opens the
site in the same profile: the first with an empty cache, the second with whatever the
first left there once it has fetched the rest of the site and the service worker keeps
all of it (or --settle seconds have passed), and with --offline a third with the network
cut. For each it prints
the time from the start of navigation to the album's title on screen
(window.quillory.readyAt), to the page's first paint, and the bytes the browser
received before the title (the page and every file whose download ended by then).
"""

import argparse
import os
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from web_album_test import Browser, WebDriverError, chromium_arguments  # noqa: E402

SLOW_LINK = {"offline": False, "latency": 150, "downloadThroughput": 1600000 / 8,
             "uploadThroughput": 1600000 / 8}

# Waits for the title (or `limit` ms) and answers the visit's figures.
VISIT = """
const [limit, done] = arguments;
const poll = () => {
  const quillory = window.quillory;
  if (!(quillory && quillory.readyAt) && performance.now() < limit) {
    setTimeout(poll, 20);
    return;
  }
  const title = quillory && quillory.readyAt;
  const paints = performance.getEntriesByType('paint').map(entry => entry.startTime);
  const entries = performance.getEntriesByType('navigation')
      .concat(performance.getEntriesByType('resource'))
      .filter(entry => title && entry.responseEnd <= title);
  done({title: title || null, firstPaint: paints.length ? Math.min(...paints) : null,
        bytes: entries.reduce((total, entry) => total + entry.transferSize, 0),
        files: entries.length});
};
poll();
"""


def emulate(browser, conditions):
    browser.post("/goog/cdp/execute", {"cmd": "Network.enable", "params": {}})
    browser.post("/goog/cdp/execute", {"cmd": "Network.emulateNetworkConditions",
                                       "params": conditions})


def visit(browser, site, name, limit_ms):
    browser.post("/url", {"url": "about:blank"})
    browser.post("/url", {"url": site})
    deadline = time.monotonic() + limit_ms / 1000 + 10
    while time.monotonic() < deadline:
        try:
            seen = browser.script(VISIT, limit_ms, kind="async")
            break
        except WebDriverError:  # the page still loading answers nothing yet
            time.sleep(0.1)
    else:
        seen = {"title": None, "firstPaint": None, "bytes": 0, "files": 0}
    title = f"{seen['title']:.0f} ms" if seen["title"] else "never"
    paint = f"{seen['firstPaint']:.0f} ms" if seen["firstPaint"] else "none"
    print(f"{name:<14} title {title:>9}   first paint {paint:>9}   "
          f"{seen['bytes']:>9} bytes in {seen['files']} files before the title", flush=True)
    return seen


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def started(command, address):
    """Starts a helper in a process group of its own, once it answers at `address`."""
    helper = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              start_new_session=True)
    for _ in range(300):
        try:
            urllib.request.urlopen(address, timeout=2)
            return helper
        except OSError:
            time.sleep(0.1)
    raise RuntimeError(f"nothing answers at {address}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("site", help="the built site's folder")
    parser.add_argument("--server", default=os.path.join(os.path.dirname(__file__), "serve-web.py"),
                        help="the server to serve it with (an older one, to compare)")
    parser.add_argument("--offline", action="store_true", help="a third visit, offline")
    parser.add_argument("--settle", type=float, default=120,
                        help="seconds the first visit may stay open for its downloads")
    options = parser.parse_args()
    helpers = []
    try:
        with tempfile.TemporaryDirectory() as profile:
            site_port, driver_port = free_port(), free_port()
            site = f"http://127.0.0.1:{site_port}/"
            driver = f"http://127.0.0.1:{driver_port}"
            helpers.append(started(["python3", options.server, options.site, str(site_port)], site))
            helpers.append(started(["chromedriver", f"--port={driver_port}",
                                    "--allowed-ips=127.0.0.1"], driver + "/status"))
            measure(driver, site, profile, options)
    finally:
        for helper in helpers:
            os.killpg(helper.pid, 15)
            helper.wait()


def settle(browser, limit_s):
    """Waits (at most `limit_s` seconds) while the first visit fetches the rest of the
    site after its title and the service worker keeps all of it, and says how long."""
    start = time.monotonic()
    while time.monotonic() - start < limit_s:
        if browser.script("return window.quillory.offlineReady === true;"):
            print(f"{'kept offline':<14} {time.monotonic() - start:.0f} s after the title",
                  flush=True)
            return
        time.sleep(0.5)
    print(f"{'kept offline':<14} not within {limit_s:.0f} s", flush=True)


def measure(driver, site, profile, options):
    browser = Browser(driver, chromium_arguments(profile))
    try:
        browser.post("/url", {"url": "about:blank"})
        emulate(browser, SLOW_LINK)
        visit(browser, site, "first visit", 120000)
        settle(browser, options.settle)
        visit(browser, site, "second visit", 60000)
        if options.offline:
            emulate(browser, {**SLOW_LINK, "offline": True})
            visit(browser, site, "offline visit", 30000)
    finally:
        browser.quit()


if __name__ == "__main__":
    main()
