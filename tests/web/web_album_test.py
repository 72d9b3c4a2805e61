#!/usr/bin/env python3
"""The web album in headless Chromium, driven as a child would drive it.

Speaks the WebDriver protocol to a running chromedriver over HTTP (Python's own
urllib, nothing to install) and checks, each on its own: the title's pixels in the
canvas, Enter starting the book, a sticker stuck on its home by real mouse events,
the counter dropping, the sticker still there after the page is reloaded (the saves
live in the browser's storage), another sticker stuck by a finger's drag-and-drop,
the song reaching the speakers, and the next page turned to while the network is
cut, reached once it is back, and a reload that cannot fetch the program at first,
started once it can. The loading screen (the title's picture) shows before
the title; the first load before the title stays small, and the reload fetches
next to nothing: the site's files carry their hash in their names and are kept.
Time to title, bytes transferred and the tab's memory are printed as figures.

The clicks and the pictures looked for come from `web_test_layout` (JSON), which
reads the album's own tables and pictures. Exits non-zero when a check fails.
"""

import argparse
import json
import os
import sys
import time
import urllib.error
import urllib.request

# What the title needs on a first visit (the program and the title's pictures), and on
# a second (the page revalidated, nothing else).
FIRST_LOAD_LIMIT = 1200 * 1000
SECOND_LOAD_LIMIT = 5 * 1000
# Quieter than any stretch of the song at the level it plays at.
SILENCE_LEVEL = 0.002
PAGE_LEFT, PAGE_TOP = 90, 90
ENTER = "\ue007"
# The share of a picture's pixels that tells it is shown: the first page's label
# matches 90 % of the second's, the first page's picture 2 % of the second's.
MOSTLY = 0.98

# Finds a picture (flat x, y, r, g, b lists) in the canvas, read at the album's own
# 1024 x 768 whatever size the canvas is shown at. `at` null: anywhere, else only
# there. Returns [left, top] or null, and the best share of pixels that matched.
FIND_PICTURE = """
const [pixels, at] = arguments;
const shown = document.getElementById('album');
if (!shown) return {found: null, best: 0};
const copy = document.createElement('canvas');
copy.width = 1024;
copy.height = 768;
const context = copy.getContext('2d');
context.imageSmoothingEnabled = false;
context.drawImage(shown, 0, 0, 1024, 768);
const data = context.getImageData(0, 0, 1024, 768).data;
let width = 0, height = 0, best = 0;
for (let k = 0; k < pixels.length; k += 5) {
  [width, height] = [Math.max(width, pixels[k] + 1), Math.max(height, pixels[k + 1] + 1)];
}
const matches = (left, top, counting) => {
  let matched = 0;
  for (let k = 0; k < pixels.length; k += 5) {
    const i = ((top + pixels[k + 1]) * 1024 + left + pixels[k]) * 4;
    if ([0, 1, 2].every(c => Math.abs(data[i + c] - pixels[k + 2 + c]) <= 8)) ++matched;
    else if (!counting) return false;
  }
  if (counting) best = Math.max(best, matched / (pixels.length / 5));
  return matched * 5 === pixels.length;
};
if (at) return {found: matches(at[0], at[1], true) ? at : null, best: best};
for (let top = 0; top + height <= 768; ++top) {
  for (let left = 0; left + width <= 1024; ++left) {
    if (matches(left, top, false)) return {found: [left, top], best: 1};
  }
}
return {found: null, best: 0};
"""

# Waits in the page until the album says its title is on screen; answers the time
# since the navigation began, in milliseconds, or null after `limit` milliseconds.
WAIT_FOR_TITLE = """
const [address, limit, done] = arguments;
const poll = () => {
  if (document.URL.startsWith(address) && window.quillory && window.quillory.ready) done(performance.now());
  else if (performance.now() > limit) done(null);
  else setTimeout(poll, 5);
};
poll();
"""

# What the page received until the title was on screen.
TRANSFERRED = """
const entries = performance.getEntriesByType('navigation')
    .concat(performance.getEntriesByType('resource'))
    .filter(entry => entry.responseEnd <= window.quillory.readyAt);
const sum = key => entries.reduce((total, entry) => total + (entry[key] || 0), 0);
// A file the browser kept and did not ask for again transferred nothing.
return {bytes: sum('transferSize'), decoded: sum('decodedBodySize'), files: entries.length,
        asked: entries.filter(entry => entry.transferSize > 0).length};
"""

# The loading screen as the page shows it: whether its picture is drawn, whether the
# title is already on screen.
LOADING = """
const loading = document.getElementById('loading');
const picture = loading && loading.querySelector('img');
return {shown: !!loading && !loading.hidden && getComputedStyle(loading).display !== 'none',
        picture: !!picture && picture.complete && picture.naturalWidth > 0,
        title: !!(window.quillory && window.quillory.ready)};
"""

WAITING = "return document.documentElement.classList.contains('waiting');"

CANVAS_RECT = """
const rect = document.getElementById('album').getBoundingClientRect();
return [rect.left, rect.top, rect.width, rect.height];
"""

MEMORY = """
return {heap: performance.memory ? performance.memory.usedJSHeapSize : null,
        wasm: typeof wasmMemory !== 'undefined' ? wasmMemory.buffer.byteLength : null};
"""

AUDIO_STATE = """
const quillory = window.quillory || {};
return {state: quillory.audio ? quillory.audio.state : null,
        level: typeof quillory.level === 'function' ? quillory.level() : -1};
"""


class WebDriverError(Exception):
    pass


class Browser:
    """One WebDriver session on chromedriver."""

    def __init__(self, driver_url, chromium_args):
        self.driver_url = driver_url.rstrip("/")
        capabilities = {
            "browserName": "chrome",
            # Navigation returns at once, so that the test sees the title appear.
            "pageLoadStrategy": "none",
            "goog:chromeOptions": {"binary": "/usr/bin/chromium", "args": chromium_args},
        }
        answer = self.call("POST", "/session", {"capabilities": {"alwaysMatch": capabilities}})
        self.session = "/session/" + answer["sessionId"]
        self.post("/timeouts", {"script": 60000})

    def call(self, method, path, body=None):
        data = json.dumps(body if body is not None else {}).encode() if method == "POST" else None
        request = urllib.request.Request(self.driver_url + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=120) as response:
                return json.load(response).get("value")
        except urllib.error.HTTPError as error:
            value = json.load(error).get("value", {})
            raise WebDriverError(f"{value.get('error')}: {value.get('message', '')[:300]}")

    def post(self, path, body=None):
        return self.call("POST", self.session + path, body)

    def script(self, source, *args, kind="sync"):
        return self.post("/execute/" + kind, {"script": source, "args": args})

    def act(self, *sources):
        self.post("/actions", {"actions": list(sources)})
        self.call("DELETE", self.session + "/actions")

    def cut_network(self, offline):
        """Cuts the page off the network (DevTools' emulation), or gives it back."""
        self.post("/goog/cdp/execute", {"cmd": "Network.enable", "params": {}})
        self.post("/goog/cdp/execute", {"cmd": "Network.emulateNetworkConditions", "params": {
            "offline": offline, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}})

    def block(self, patterns):
        """Fails the page's requests for addresses that match (DevTools' blocking)."""
        self.post("/goog/cdp/execute", {"cmd": "Network.enable", "params": {}})
        self.post("/goog/cdp/execute", {"cmd": "Network.setBlockedURLs",
                                        "params": {"urls": patterns}})

    def quit(self):
        try:
            self.call("DELETE", self.session)
        except (WebDriverError, OSError):
            pass


class Album:
    """The album's screen in the browser, in the album's own coordinates."""

    def __init__(self, browser, layout):
        self.browser = browser
        self.layout = layout

    def wait_for_title(self, address, limit_ms=60000):
        """The page's time to title in milliseconds, or None."""
        deadline = time.monotonic() + limit_ms / 1000
        while time.monotonic() < deadline:
            try:
                seen = self.browser.script(WAIT_FOR_TITLE, address, limit_ms, kind="async")
                if seen is not None:
                    return seen
            except WebDriverError:
                # The script ran in the page being left; the next runs in the new one.
                time.sleep(0.05)
        return None

    def find(self, pixels, at=None, limit=10.0):
        """Polls the canvas for a picture; the place found, or None and the best match."""
        deadline, best = time.monotonic() + limit, 0
        while True:
            try:
                seen = self.browser.script(FIND_PICTURE, pixels, at)
            except WebDriverError:
                seen = {"found": None, "best": 0}
            best = max(best, seen["best"])
            if seen["found"] is not None or time.monotonic() > deadline:
                return seen["found"], best
            time.sleep(0.2)

    def mostly_shows(self, pixels, limit=20.0):
        """Polls the canvas until nearly all of a picture shows where it lies (the
        album draws a little over some pictures); the best share of its pixels seen."""
        deadline, best = time.monotonic() + limit, 0
        while best < MOSTLY and time.monotonic() < deadline:
            time.sleep(0.2)
            try:
                best = max(best, self.browser.script(FIND_PICTURE, pixels, [0, 0])["best"])
            except WebDriverError:
                pass
        return best

    def page_point(self, point):
        """Where album point (x, y) is on the page, by the canvas's rectangle."""
        left, top, width, height = self.browser.script(CANVAS_RECT)
        return (round(left + (point[0] + 0.5) * width / 1024),
                round(top + (point[1] + 0.5) * height / 768))

    def key(self, value):
        self.browser.act({"type": "key", "id": "keyboard", "actions": [
            {"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]})
        time.sleep(0.3)

    def pointer(self, kind, steps):
        self.browser.act({"type": "pointer", "id": kind,
                          "parameters": {"pointerType": kind}, "actions": steps})
        time.sleep(0.3)

    def move(self, point, duration=0):
        x, y = self.page_point(point)
        return {"type": "pointerMove", "x": x, "y": y, "origin": "viewport",
                "duration": duration}

    def click(self, point, kind="mouse"):
        self.pointer(kind, [self.move(point), {"type": "pointerDown", "button": 0},
                            {"type": "pointerUp", "button": 0}])

    def drag(self, kind, start, end):
        """Down at `start` for a moment, then in ten steps to `end`, and up."""
        steps = [self.move(start), {"type": "pointerDown", "button": 0},
                 {"type": "pause", "duration": 100}]
        for step in range(1, 11):
            steps.append(self.move((start[0] + (end[0] - start[0]) * step // 10,
                                    start[1] + (end[1] - start[1]) * step // 10), 50))
        steps.append({"type": "pointerUp", "button": 0})
        self.pointer(kind, steps)

    def counter_shows(self, left):
        return self.find(self.layout["counters"][str(left)])[0] is not None

    def check_stuck(self, checks, name, sticker):
        found, best = self.find(sticker["picture"], [0, 0])
        checks.check(name, found is not None, f"best match {best:.0%}")

    def pick(self, sticker, kind="mouse"):
        """Chooses the sticker's sheet, picks the sticker and answers the hint."""
        self.click(sticker["sheetButton"], kind)
        self.click(sticker["button"], kind)
        time.sleep(0.5)
        self.key(ENTER)


class Checks(list):
    """The names of the checks that failed."""

    def check(self, name, passed, detail=""):
        print(f"{'PASS' if passed else 'FAIL'}  {name}" + (f"  ({detail})" if detail else ""),
              flush=True)
        if not passed:
            self.append(name)
        return passed


def turn_page_offline(album, checks):
    """Next while the network is cut: the page's picture cannot be fetched yet; the
    album waits for it, and turns the page once the network is back."""
    page = album.layout["secondPage"]
    album.browser.cut_network(True)
    album.browser.block([])
    try:
        album.click(page["nextButton"])
        time.sleep(2)
        checks.check("offline, the album shows it waits for the next page",
                     album.browser.script(WAITING))
    finally:
        album.browser.cut_network(False)
    for part in ("label", "picture"):
        best = album.mostly_shows(page[part])
        checks.check(f"back online, the next page's {part} shows", best >= MOSTLY,
                     f"{best:.1%} of its pixels")
    checks.check("the page no longer shows it waits", not album.browser.script(WAITING))


def check_loading_screen(album, checks):
    """From the page's first moments until the title: the loading screen with the
    title's picture."""
    deadline, seen = time.monotonic() + 30, None
    while time.monotonic() < deadline:
        try:
            seen = album.browser.script(LOADING)
        except WebDriverError:
            seen = None  # the page not there yet
        if seen is not None:
            break
        time.sleep(0.02)
    checks.check("the loading screen shows the title's picture before the title",
                 seen is not None and seen["shown"] and seen["picture"] and not seen["title"],
                 str(seen))


def load_while_cut_off(album, address, checks):
    """A reload whose program cannot be fetched at first (nor taken from the cache): the
    loading screen stays, and the title comes once the program can be fetched."""
    browser = album.browser
    browser.post("/goog/cdp/execute", {"cmd": "Network.setCacheDisabled",
                                       "params": {"cacheDisabled": True}})
    browser.block(["*/quillory3.*"])
    try:
        browser.post("/refresh")
        time.sleep(3)
        seen = browser.script(LOADING)
        checks.check("cut off from the program, the loading screen stays",
                     seen["shown"] and not seen["title"], str(seen))
    finally:
        browser.block([])
        browser.post("/goog/cdp/execute", {"cmd": "Network.setCacheDisabled",
                                           "params": {"cacheDisabled": False}})
    checks.check("once the program can be fetched, the title comes",
                 album.wait_for_title(address, 30000) is not None)


def renderer_memory(user_data_dir):
    """The resident memory of this run's page renderer processes, in MiB."""
    parents, commands, resident = {}, {}, {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as file:
                parents[int(pid)] = int(file.read().rsplit(")", 1)[1].split()[1])
            with open(f"/proc/{pid}/cmdline", "rb") as file:
                # Chromium's helpers rewrite their arguments into one string.
                commands[int(pid)] = file.read().replace(b"\0", b" ")
            with open(f"/proc/{pid}/status") as file:
                resident[int(pid)] = sum(int(line.split()[1]) for line in file
                                         if line.startswith("VmRSS:"))
        except (OSError, IndexError, ValueError):
            continue
    browsers = {pid for pid, command in commands.items()
                if b"--user-data-dir=" + user_data_dir.encode() + b" " in command}

    def in_this_run(pid):
        while pid > 1 and pid not in browsers:
            pid = parents.get(pid, 0)
        return pid in browsers

    # The browser's own pages (--top-chrome-webui) are no part of the tab.
    return sum(resident.get(pid, 0) for pid, command in commands.items()
               if b"--type=renderer" in command and b"webui" not in command
               and in_this_run(pid)) / 1024


def play(album, address, checks, user_data_dir):
    browser = album.browser
    first, second = album.layout["stickers"]
    total = max(int(count) for count in album.layout["counters"])

    # The album fetches every page once its title shows: the second page's picture is
    # held back until the test turns to it offline.
    browser.block([f"*/{album.layout['secondPage']['file']}.*"])
    browser.post("/url", {"url": address})
    check_loading_screen(album, checks)
    title_ms = album.wait_for_title(address)
    if not checks.check("the album says its title is on screen", title_ms is not None):
        return
    sent = browser.script(TRANSFERRED)
    print(f"FIGURE  time to title: {title_ms:.0f} ms from the start of navigation")
    print(f"FIGURE  first load: {sent['bytes']} bytes transferred in {sent['files']} files "
          f"({sent['decoded']} bytes unpacked)")
    checks.check("the first load before the title transfers at most 1.2 MB",
                 sent["bytes"] <= FIRST_LOAD_LIMIT, f"{sent['bytes']} bytes")
    checks.check("the title replaces the loading screen",
                 not browser.script(LOADING)["shown"])

    found, _ = album.find(album.layout["title"])
    checks.check("the title's pixels are in the canvas", found is not None,
                 f"at {found}" if found else "nowhere in the canvas")

    album.key(ENTER)
    if not checks.check("Enter starts the book (the counter shows every sticker left)",
                        album.counter_shows(total)):
        return

    persist_asked = "return window.quillory.persistAsked;"
    checks.check("the storage is not asked to persist before a stick",
                 browser.script(persist_asked) is False)
    # The mouse: the sheet, the sticker (and its hint away), then onto its home.
    album.pick(first)
    home = first["home"]
    album.pointer("mouse", [album.move((home[0] - 40, home[1] - 40)), {"type": "pause",
                                                                       "duration": 200}])
    album.click(home)
    album.check_stuck(checks, f"sticker {first['index']} is stuck on its home by the mouse", first)
    checks.check("the counter drops to one sticker fewer", album.counter_shows(total - 1))
    checks.check("the first stick asks the storage to persist",
                 browser.script(persist_asked) is True)

    # Time for the save to reach the browser's storage, then a fresh start.
    time.sleep(2)
    browser.post("/refresh")
    if not checks.check("the reloaded page shows the title again",
                        album.wait_for_title(address) is not None):
        return
    again = browser.script(TRANSFERRED)
    print(f"FIGURE  reload: {again['bytes']} bytes transferred before the title")
    checks.check("the reload transfers next to nothing before the title",
                 again["bytes"] <= SECOND_LOAD_LIMIT, f"{again['bytes']} bytes")
    checks.check("the reload asks the site for the page alone, its files are kept",
                 again["asked"] == 1, f"{again['asked']} of {again['files']} files asked for")
    album.key(ENTER)
    album.check_stuck(checks, "after the reload the sticker is still on its home", first)
    checks.check("after the reload the counter still shows one sticker fewer",
                 album.counter_shows(total - 1))

    # A finger: taps the sheet and the sticker (and the hint away), taps off it, then
    # slides the sticker from its button onto its home and lifts.
    album.pick(second, "touch")
    album.click((PAGE_LEFT + 10, PAGE_TOP + 10), "touch")
    album.drag("touch", second["button"], second["home"])
    album.check_stuck(checks, f"sticker {second['index']} is stuck on its home by a finger's drag",
                      second)
    checks.check("the counter drops to two stickers fewer", album.counter_shows(total - 2))

    levels = []
    for _ in range(30):
        audio = browser.script(AUDIO_STATE)
        levels.append(audio["level"])
        time.sleep(0.1)
    checks.check("the audio context runs", audio["state"] == "running", f"state {audio['state']}")
    checks.check("the song's samples reaching the speakers are not silent",
                 max(levels) > SILENCE_LEVEL, f"loudest {max(levels):.4f} RMS")
    memory = browser.script(MEMORY)
    print(f"FIGURE  tab memory: {renderer_memory(user_data_dir):.0f} MiB resident in the "
          f"renderer, {memory['wasm']} bytes of program memory, {memory['heap']} bytes of "
          "JavaScript heap")
    turn_page_offline(album, checks)
    load_while_cut_off(album, address, checks)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    # chromedriver's address, the served album's, web_test_layout's JSON, the profile.
    for option in ("--driver", "--site", "--layout", "--user-data-dir"):
        parser.add_argument(option, required=True)
    options = parser.parse_args()
    with open(options.layout) as file:
        layout = json.load(file)

    arguments = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=1280,900",
                 "--user-data-dir=" + options.user_data_dir]
    checks = Checks()
    browser = Browser(options.driver, arguments)
    try:
        play(Album(browser, layout), options.site, checks, options.user_data_dir)
    except (WebDriverError, OSError) as error:
        checks.check("the browser answers", False, str(error))
    finally:
        browser.quit()
    print(f"{len(checks)} check(s) failed" if checks else "every check passed")
    return 1 if checks else 0


if __name__ == "__main__":
    sys.exit(main())
