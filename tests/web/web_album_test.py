#!/usr/bin/env python3
"""The web album in headless Chromium, driven as a child would drive it.

Speaks the WebDriver protocol to a running chromedriver over HTTP (Python's own urllib,
nothing to install) and checks, each on its own: the title's pixels in the canvas, Enter
starting the book, a sticker stuck on its home by real mouse events, the counter
dropping, the sticker still there after the page is reloaded (the saves live in the
browser's storage), another sticker stuck by a finger's drag-and-drop, the song reaching
the speakers, the next page turned to while the network is cut, reached once it is back,
the page after fetched while the server fails (scripts/serve-web.py --test), reached
once it answers, a reload that cannot fetch the program at first, started once it can, a
fresh page started by a finger's tap, its sound starting without a warning from the
browser, and Quit: the ending screen, then the title with the album let go of (a second
tab opens it; this tab's start then says so). The loading screen (the title's picture)
shows before the title; the first load before the title stays small, and the reload
fetches next to nothing: the site's files carry their hash in their names and are kept.
Then, on a copy of the site served by the test itself: the installed app's manifest and
icons, the service worker keeping the site, a start with the server stopped (a page turn
to a page not seen yet, a sticker stuck), and a changed site taken up whole on a later
visit. Time to title, bytes transferred and the tab's memory are printed as figures.

The clicks and the pictures looked for come from `web_test_layout` (JSON), which
reads the album's own tables and pictures. Exits non-zero when a check fails.
"""

import argparse
import functools
import hashlib
import http.server
import importlib.util
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.error
import urllib.parse
import urllib.request

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# What the title needs on a first visit (the program and the title's pictures, which
# brotli brings within what a 1.6 Mbit/s link carries in about 2.5 s), and on a second
# (the page revalidated, nothing else).
FIRST_LOAD_LIMIT = 500 * 1000
SECOND_LOAD_LIMIT = 5 * 1000
# A site file that never changes: its content's hash is in its name.
HASHED_NAME = re.compile(r"\.[0-9a-f]{12}\.[A-Za-z0-9]+$")
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
        asked: entries.filter(entry => entry.transferSize > 0).map(entry => entry.name)};
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


# The installed app's manifest as the page links it, and each of its icons and the
# tab's icon as loaded.
MANIFEST = """
const done = arguments[0];
(async () => {
  const link = document.querySelector('link[rel=manifest]');
  if (!link) return {error: 'the page links no manifest'};
  const response = await fetch(link.href);
  const manifest = await response.json();
  const icons = (manifest.icons || []).map((icon) => ({
    sizes: icon.sizes, purpose: icon.purpose || 'any', address: new URL(icon.src, link.href)}));
  const tab = document.querySelector('link[rel=icon]');
  icons.push({sizes: tab && tab.sizes.value, purpose: 'tab', address: tab && tab.href});
  for (const icon of icons) {
    const picture = new Image();
    picture.src = icon.address;
    icon.loaded = await picture.decode().then(() => true, () => false);
    icon.size = picture.naturalWidth + 'x' + picture.naturalHeight;
  }
  return {manifest: manifest, type: response.headers.get('Content-Type'), icons: icons};
})().then(done, (error) => done({error: String(error)}));
"""

OFFLINE_READY = "return window.quillory.offlineReady === true;"

# Which version of the site the page came from, as its page and its script say.
SITE_MARKS = """
const mark = document.querySelector('meta[name=site-mark]');
return {page: mark ? mark.content : 'first', script: window.quillory.siteMark || 'first'};
"""

# Whether the browser keeps this many versions of the site, none of them being fetched
# or waiting to take over.
VERSIONS_SETTLED = """
const [count, done] = arguments;
(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  const kept = (await caches.keys()).filter((name) => name.startsWith('version-')).length;
  return kept === count && !registration.installing && !registration.waiting &&
         registration.active.state === 'activated';
})().then(done, () => done(false));
"""

# Whether the site's page as this page now gets it is the changed one.
CHANGED_PAGE_SERVED = """
const done = arguments[0];
fetch('index.html').then((response) => response.text())
    .then((text) => done(text.includes('site-mark')), () => done(null));
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
            "goog:loggingPrefs": {"browser": "ALL"},
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

    def refresh(self):
        self.post("/refresh")

    def console(self):
        """The page's console messages since the last call."""
        return [entry["message"] for entry in self.post("/se/log", {"type": "browser"})]

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

    def total(self):
        """How many stickers a full book has."""
        return max(int(count) for count in self.layout["counters"])

    def counter_shows(self, left):
        return self.find(self.layout["counters"][str(left)])[0] is not None

    def check_stuck(self, checks, name, sticker):
        found, best = self.find(sticker["picture"], [0, 0])
        checks.check(name, found is not None, f"best match {best:.0%}")

    def stick_by_finger(self, sticker):
        """Taps the sheet and the sticker (and the hint away), taps off it, then slides
        the sticker from its button onto its home and lifts."""
        self.pick(sticker, "touch")
        self.click((PAGE_LEFT + 10, PAGE_TOP + 10), "touch")
        self.drag("touch", sticker["button"], sticker["home"])

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


def open_book(album, checks):
    """From the title on screen, Enter opens the book. False when it does not."""
    found, _ = album.find(album.layout["title"])
    checks.check("the title's pixels are in the canvas", found is not None,
                 f"at {found}" if found else "nowhere in the canvas")
    album.key(ENTER)
    return checks.check("Enter starts the book (the counter shows every sticker left)",
                        album.counter_shows(album.total()))


def stick_by_mouse(album, checks, sticker):
    """The mouse: the sheet, the sticker (and its hint away), then onto its home."""
    album.pick(sticker)
    home = sticker["home"]
    album.pointer("mouse", [album.move((home[0] - 40, home[1] - 40)), {"type": "pause",
                                                                       "duration": 200}])
    album.click(home)
    album.check_stuck(checks, f"sticker {sticker['index']} is stuck on its home by the mouse",
                      sticker)


def reload_keeps_stuck(album, checks, address, sticker):
    """Reloads the page once the save has had time to reach the browser's storage, and
    opens the book again: the sticker is still stuck. False when the title never shows."""
    time.sleep(2)
    album.browser.refresh()
    if not checks.check("the reloaded page shows the title again",
                        album.wait_for_title(address) is not None):
        return False
    album.key(ENTER)
    album.check_stuck(checks, "after the reload the sticker is still on its home", sticker)
    return True


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


FAILED_ANSWERS = [503, "cut", "short", 503]


def failures_control(site):
    return urllib.parse.urljoin(site, "test/failures")


def fail_page_picture(site, page):
    """Makes the server fail its next answers for the page's picture (its pack, named
    with its hash in the site's list): busy (503), breaking the connection off halfway
    through, or giving half of it as all of it. Set before the page is opened, as the
    album fetches every page in the background once its title shows. Returns the
    picture's address on the site."""
    with urllib.request.urlopen(site, timeout=10) as response:
        listing = re.search(r'<script id="site-files"[^>]*>(.*?)</script>',
                            response.read().decode(), re.S)
    packs = json.loads(listing.group(1))["packs"]
    path = "/" + next(pack[0] for pack in packs if pack[0].startswith(page["file"] + "."))
    plan = json.dumps({"path": path, "answers": FAILED_ANSWERS}).encode()
    urllib.request.urlopen(urllib.request.Request(failures_control(site), data=plan,
                                                  method="POST"), timeout=10).close()
    return path


def turn_page_through_failures(album, checks, site, which, path):
    """Next to the `which` ("second", "third") page whose picture the server failed to
    give (fail_page_picture): the album kept asking, and turns the page once the server
    answers. (Firefox itself asks again when a server hangs up before answering, so the
    album never sees that.)"""
    page = album.layout[which + "Page"]
    album.click(page["nextButton"])
    for part in ("label", "picture"):
        best = album.mostly_shows(page[part])
        checks.check(f"after {len(FAILED_ANSWERS)} failed answers the {which} page's {part} "
                     "shows", best >= MOSTLY, f"{best:.1%} of its pixels")
    with urllib.request.urlopen(failures_control(site), timeout=10) as response:
        left = json.load(response).get(path)
    checks.check("the album asked for the picture until the server answered", left == 0,
                 f"{left} failure(s) never asked for")


def check_song_heard(browser, checks, when):
    levels = []
    for _ in range(30):
        audio = browser.script(AUDIO_STATE)
        levels.append(audio["level"])
        time.sleep(0.1)
    checks.check(f"{when}the audio context runs", audio["state"] == "running",
                 f"state {audio['state']}")
    checks.check(f"{when}the song's samples reaching the speakers are not silent",
                 max(levels) > SILENCE_LEVEL, f"loudest {max(levels):.4f} RMS")


def start_by_finger(album, checks, address, left):
    """A fresh page whose first touch is a finger tapping the start button: the sound
    starts then, with no warning from the browser that it was kept from starting."""
    browser = album.browser
    browser.post("/refresh")
    if not checks.check("the page reloaded for a finger shows the title",
                        album.wait_for_title(address) is not None):
        return
    browser.console()
    album.click(album.layout["startButton"], "touch")
    checks.check("a finger's tap on start opens the book", album.counter_shows(left))
    check_song_heard(browser, checks, "after a finger's tap, ")
    refused = [message for message in browser.console() if "AudioContext" in message]
    checks.check("the browser says nothing of sound kept from starting", not refused,
                 "; ".join(refused)[:300])


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


# Waits until no tab holds the album's lock (a closed tab's goes a moment after it).
LOCK_LET_GO = """
const done = arguments[arguments.length - 1];
const poll = async () => {
  const {held} = await navigator.locks.query();
  if (held.some((lock) => lock.name === 'quillory3-album')) setTimeout(poll, 50);
  else done(true);
};
poll();
"""

FULL_SCREEN = "return document.fullscreenElement !== null;"

NOTICE = """
const notice = document.getElementById('notice');
return notice && !notice.hidden ? notice.textContent : null;
"""


def quit_to_title(album, checks, lines):
    """Quit: the ending screen, then the title, the audio suspended, full screen left."""
    album.click(album.layout["quitButton"])
    best = album.mostly_shows(album.layout["ending"])
    checks.check(f"{lines}: Quit shows the ending screen", best >= MOSTLY,
                 f"{best:.1%} of its pixels")
    album.key(ENTER)
    checks.check(f"{lines}: after the ending screen the title shows",
                 album.find(album.layout["title"])[0] is not None)
    state, full = album.browser.script(AUDIO_STATE)["state"], album.browser.script(FULL_SCREEN)
    checks.check(f"{lines}: at the title the audio is suspended and full screen left",
                 state == "suspended" and not full, f"audio {state}, full screen {full}")


def another_tab_while_quit(album, address, checks, total):
    """Quit lets go of the album: the title plays again in this tab. After another Quit
    a second tab opens it with the stickers stuck here, and this tab's start then says
    it is open elsewhere; the second tab closed, this one plays after a reload. After a
    third Quit, a sticker stuck in a second tab shows at this tab's start."""
    browser = album.browser
    quit_to_title(album, checks, "first quit")
    album.key(ENTER)
    checks.check("the start after Quit plays the book again", album.counter_shows(total - 2))
    state, full = browser.script(AUDIO_STATE)["state"], browser.script(FULL_SCREEN)
    checks.check("the start after Quit resumes the audio and goes full screen",
                 state == "running" and full, f"audio {state}, full screen {full}")

    quit_to_title(album, checks, "second quit")
    first_tab = browser.call("GET", browser.session + "/window")
    second_tab = open_in_new_tab(album, address)
    checks.check("a second tab opens the album while the first waits at its title",
                 second_tab is not None, f"notice {browser.script(NOTICE)!r}")
    album.key(ENTER)
    checks.check("the second tab shows the stickers stuck in the first",
                 album.counter_shows(total - 2))
    browser.post("/window", {"handle": first_tab})
    album.key(ENTER)
    notice = None
    for _ in range(50):
        notice = browser.script(NOTICE)
        if notice is not None:
            break
        time.sleep(0.1)
    checks.check("the first tab's start says the album is open in another tab",
                 notice is not None and "already open in another tab" in notice,
                 f"notice {notice!r}")
    close_tab(browser, second_tab, first_tab)
    browser.post("/refresh")
    checks.check("with the second tab closed, the first plays again after a reload",
                 album.wait_for_title(address) is not None)
    album.key(ENTER)
    checks.check("the reloaded first tab shows the stickers", album.counter_shows(total - 2))

    quit_to_title(album, checks, "third quit")
    third = album.layout["stickers"][2]
    second_tab = open_in_new_tab(album, address)
    album.key(ENTER)
    album.counter_shows(total - 2)
    album.stick_by_finger(third)
    album.check_stuck(checks, f"sticker {third['index']} is stuck in a second tab", third)
    time.sleep(2)
    close_tab(browser, second_tab, first_tab)
    album.key(ENTER)
    checks.check("the first tab's start shows the sticker stuck in the second tab",
                 album.counter_shows(total - 3))
    album.check_stuck(checks, "the second tab's sticker is on its home in the first tab", third)


def open_in_new_tab(album, address):
    """Opens the album in a new tab: the tab, or None when it does not open the album."""
    browser = album.browser
    tab = browser.post("/window/new", {"type": "tab"})["handle"]
    browser.post("/window", {"handle": tab})
    browser.post("/url", {"url": address})
    if album.wait_for_title(address) is None or browser.script(NOTICE) is not None:
        return None
    return tab


def close_tab(browser, tab, back_to):
    """Closes `tab` and goes back to `back_to` once the closed tab's lock is gone."""
    if tab is not None:
        browser.post("/window", {"handle": tab})
        browser.call("DELETE", browser.session + "/window")
    browser.post("/window", {"handle": back_to})
    browser.script(LOCK_LET_GO, kind="async")


def run_processes(user_data_dir):
    """The command lines of this run's browser processes (the profile tells them), by id."""
    parents, commands = {}, {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as file:
                parents[int(pid)] = int(file.read().rsplit(")", 1)[1].split()[1])
            with open(f"/proc/{pid}/cmdline", "rb") as file:
                # Chromium's helpers rewrite their arguments into one string.
                commands[int(pid)] = file.read().replace(b"\0", b" ")
        except (OSError, IndexError, ValueError):
            continue
    browsers = {pid for pid, command in commands.items()
                if b"--user-data-dir=" + user_data_dir.encode() + b" " in command}

    def in_this_run(pid):
        while pid > 1 and pid not in browsers:
            pid = parents.get(pid, 0)
        return pid in browsers

    return {pid: command for pid, command in commands.items() if in_this_run(pid)}


def resident_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as file:
            return sum(int(line.split()[1]) for line in file if line.startswith("VmRSS:"))
    except (OSError, IndexError, ValueError):
        return 0


def renderer_memory(user_data_dir):
    """The resident memory of this run's page renderer processes, in MiB."""
    # The browser's own pages (--top-chrome-webui) are no part of the tab.
    return sum(resident_kib(pid) for pid, command in run_processes(user_data_dir).items()
               if b"--type=renderer" in command and b"webui" not in command) / 1024


def play(album, address, checks, user_data_dir):
    browser = album.browser
    first, second, _ = album.layout["stickers"]
    total = album.total()

    # The album fetches every page once its title shows: the second page's picture is
    # held back until the test turns to it offline.
    browser.block([f"*/{album.layout['secondPage']['file']}.*"])
    failing = fail_page_picture(address, album.layout["thirdPage"])
    browser.post("/url", {"url": address})
    check_loading_screen(album, checks)
    title_ms = album.wait_for_title(address)
    if not checks.check("the album says its title is on screen", title_ms is not None):
        return
    sent = browser.script(TRANSFERRED)
    print(f"FIGURE  time to title: {title_ms:.0f} ms from the start of navigation")
    print(f"FIGURE  first load: {sent['bytes']} bytes transferred in {sent['files']} files "
          f"({sent['decoded']} bytes unpacked)")
    checks.check("the first load before the title transfers at most 0.5 MB",
                 sent["bytes"] <= FIRST_LOAD_LIMIT, f"{sent['bytes']} bytes")
    checks.check("the title replaces the loading screen",
                 not browser.script(LOADING)["shown"])

    if not open_book(album, checks):
        return

    persist_asked = "return window.quillory.persistAsked;"
    checks.check("the storage is not asked to persist before a stick",
                 browser.script(persist_asked) is False)
    stick_by_mouse(album, checks, first)
    checks.check("the counter drops to one sticker fewer", album.counter_shows(total - 1))
    checks.check("the first stick asks the storage to persist",
                 browser.script(persist_asked) is True)

    if not reload_keeps_stuck(album, checks, address, first):
        return
    again = browser.script(TRANSFERRED)
    print(f"FIGURE  reload: {again['bytes']} bytes transferred")
    checks.check("the reload transfers next to nothing",
                 again["bytes"] <= SECOND_LOAD_LIMIT, f"{again['bytes']} bytes")
    hashed = [name for name in again["asked"] if HASHED_NAME.search(name)]
    checks.check("the reload asks the site again only for files without a hash in their "
                 "name (the page, the app's manifest and icons)",
                 again["asked"] and not hashed, f"asked for {again['asked']}")
    checks.check("after the reload the counter still shows one sticker fewer",
                 album.counter_shows(total - 1))

    album.stick_by_finger(second)
    album.check_stuck(checks, f"sticker {second['index']} is stuck on its home by a finger's drag",
                      second)
    checks.check("the counter drops to two stickers fewer", album.counter_shows(total - 2))

    check_song_heard(browser, checks, "")
    memory = browser.script(MEMORY)
    print(f"FIGURE  tab memory: {renderer_memory(user_data_dir):.0f} MiB resident in the "
          f"renderer, {memory['wasm']} bytes of program memory, {memory['heap']} bytes of "
          "JavaScript heap")
    turn_page_offline(album, checks)
    turn_page_through_failures(album, checks, address, "third", failing)
    load_while_cut_off(album, address, checks)
    start_by_finger(album, checks, address, total - 2)

    another_tab_while_quit(album, address, checks, total)


class SiteCopy:
    """A copy of the built site (without its compressed files) served by this test on
    an address of its own, which it can stop, as a network gone, and start again."""

    def __init__(self, site, folder):
        self.folder = os.path.join(folder, "site")
        shutil.copytree(site, self.folder, ignore=shutil.ignore_patterns("*.br", "*.gz"))
        source = importlib.util.spec_from_file_location("serve_web", os.path.join(ROOT, "scripts",
                                                                                "serve-web.py"))
        serving = importlib.util.module_from_spec(source)
        source.loader.exec_module(serving)
        self.handler = functools.partial(serving.SiteHandler, directory=self.folder)
        self.port = 0
        self.start()
        self.address = f"http://127.0.0.1:{self.port}/"

    def start(self):
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), self.handler)
        self.port = self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()

    def change(self):
        """A new version, as a new build makes it: its page carries a mark, and so does
        its script, under a new name (the old one is gone); the build's step writes the
        worker anew."""
        page_path = os.path.join(self.folder, "index.html")
        with open(page_path) as page:
            text = page.read()
        old = re.search(r'src="(page\.[0-9a-f]{12}\.js)"', text).group(1)
        with open(os.path.join(self.folder, old)) as script:
            code = script.read() + "window.quillory.siteMark = 'second';\n"
        os.remove(os.path.join(self.folder, old))
        new = f"page.{hashlib.sha256(code.encode()).hexdigest()[:12]}.js"
        with open(os.path.join(self.folder, new), "w") as script:
            script.write(code)
        with open(page_path, "w") as page:
            page.write(text.replace(old, new).replace(
                "<head>", '<head>\n<meta name="site-mark" content="second">'))
        writer = os.path.join(ROOT, "platform", "machines", "web", "WriteServiceWorker.cmake")
        subprocess.run(["cmake", "-DSITE=" + self.folder, "-P", writer], check=True)


def check_manifest(browser, checks):
    """The manifest as the page links it, each icon it names as loaded, and what the
    browser says stands in the way of installing the album."""
    seen = browser.script(MANIFEST, kind="async")
    if not checks.check("the page links a manifest that parses", "error" not in seen,
                        seen.get("error", "")):
        return
    manifest = seen["manifest"]
    expected = {"name": "Quillory 3", "display": "fullscreen", "orientation": "landscape",
                "start_url": "./", "scope": "./"}
    wrong = [key for key, value in expected.items() if manifest.get(key) != value]
    wrong += [key for key in ("short_name", "background_color", "theme_color")
              if not manifest.get(key)]
    checks.check("the manifest, served as such, says how the installed album shows",
                 seen["type"] == "application/manifest+json" and not wrong,
                 f"type {seen['type']}, wrong: {wrong}")
    named = {(icon["sizes"], icon["purpose"]) for icon in seen["icons"]}
    checks.check("the manifest names icons of 192 and 512 px and a maskable one",
                 {("192x192", "any"), ("512x512", "any"), ("512x512", "maskable")} <= named,
                 str(sorted(named)))
    unloaded = [icon for icon in seen["icons"]
                if not icon["loaded"] or icon["size"] != icon["sizes"]]
    checks.check("every icon, the tab's too, loads at its size", not unloaded, str(unloaded))
    errors = browser.post("/goog/cdp/execute", {"cmd": "Page.getInstallabilityErrors",
                                                "params": {}})["installabilityErrors"]
    checks.check("the browser finds the album installable", not errors, str(errors))


def wait_until(browser, limit, source, *args, kind="sync"):
    """Whether the script answers true within `limit` seconds."""
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        try:
            if browser.script(source, *args, kind=kind):
                return True
        except WebDriverError:
            pass
        time.sleep(0.2)
    return False


def visit(album, address, name):
    """Opens the album; whether its title appears. Prints the time to title and the
    bytes the page took from the network (none for what the service worker answers)."""
    album.browser.post("/url", {"url": address})
    title_ms = album.wait_for_title(address)
    if title_ms is None:
        return False
    sent = album.browser.script(TRANSFERRED)
    print(f"FIGURE  {name}: title after {title_ms:.0f} ms, {sent['bytes']} bytes from the "
          f"network in {sent['files']} files")
    return True


def start_offline(album, site, checks):
    """With the server stopped and the network cut: the title, the book, a sticker stuck
    on the first page and the next page, neither of them shown before."""
    browser = album.browser
    first = album.layout["stickers"][0]
    total = max(int(count) for count in album.layout["counters"])
    site.stop()
    browser.cut_network(True)
    try:
        if not checks.check("offline, the title appears", visit(album, site.address,
                                                                 "offline visit")):
            return
        album.key(ENTER)
        checks.check("offline, Enter starts the book", album.counter_shows(total))
        album.pick(first)
        album.click(first["home"])
        album.check_stuck(checks, "offline, a sticker sticks on its home", first)
        page = album.layout["secondPage"]
        album.click(page["nextButton"])
        for part in ("label", "picture"):
            best = album.mostly_shows(page[part])
            checks.check(f"offline, the next page's {part} shows", best >= MOSTLY,
                         f"{best:.1%} of its pixels")
    finally:
        browser.cut_network(False)
        site.start()


def take_up_new_version(album, site, checks):
    """A changed site reaches the album on a later visit, each visit on one version
    only; the older version is let go once no page uses it, and the saves are kept."""
    browser = album.browser
    site.change()
    marks = []
    for _ in range(3):
        browser.post("/url", {"url": site.address})
        if album.wait_for_title(site.address) is None:
            break
        marks.append(browser.script(SITE_MARKS))
        if marks[-1]["page"] == "second":
            break
        # The browser fetches the new version whole beside the one this page runs on;
        # the page goes on with its own.
        if wait_until(browser, 60, VERSIONS_SETTLED, 2, kind="async"):
            checks.check("once the new version is in charge, the open page still gets the "
                         "files of its own", browser.script(CHANGED_PAGE_SERVED, kind="async")
                         is False)
    print("SEEN  the page's and the script's version on each visit: " +
          ", ".join(f"{seen['page']}/{seen['script']}" for seen in marks))
    checks.check("every visit runs the page and the script of one version",
                 all(seen["page"] == seen["script"] for seen in marks))
    if not checks.check("a later visit runs the new version",
                        bool(marks) and marks[-1]["page"] == "second"):
        return
    checks.check("the older version is let go",
                 wait_until(browser, 10, VERSIONS_SETTLED, 1, kind="async"))
    album.key(ENTER)
    first = album.layout["stickers"][0]
    album.check_stuck(checks, "the sticker stuck before the new version is still on its home",
                      first)


def play_offline(album, site_folder, checks):
    """The installed app on a copy of the site served by this test."""
    with tempfile.TemporaryDirectory() as folder:
        site = SiteCopy(site_folder, folder)
        try:
            album.browser.post("/url", {"url": site.address})
            if not checks.check("the copy of the site shows the title",
                                album.wait_for_title(site.address) is not None):
                return
            check_manifest(album.browser, checks)
            if not checks.check("the service worker keeps the site and serves the page",
                                wait_until(album.browser, 60, OFFLINE_READY)):
                return
            visit(album, site.address, "second visit, online")
            start_offline(album, site, checks)
            take_up_new_version(album, site, checks)
        finally:
            site.stop()


def chromium_arguments(user_data_dir):
    return ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
            "--no-first-run", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--window-size=1280,900",
            "--user-data-dir=" + user_data_dir]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    # chromedriver's address, the served album's, web_test_layout's JSON, the profile,
    # the built site's folder.
    for option in ("--driver", "--site", "--layout", "--user-data-dir", "--site-folder"):
        parser.add_argument(option, required=True)
    options = parser.parse_args()
    with open(options.layout) as file:
        layout = json.load(file)

    checks = Checks()
    browser = Browser(options.driver, chromium_arguments(options.user_data_dir))
    try:
        album = Album(browser, layout)
        play(album, options.site, checks, options.user_data_dir)
        play_offline(album, options.site_folder, checks)
    except (WebDriverError, OSError) as error:
        checks.check("the browser answers", False, str(error))
    finally:
        browser.quit()
    print(f"{len(checks)} check(s) failed" if checks else "every check passed")
    return 1 if checks else 0


if __name__ == "__main__":
    sys.exit(main())
