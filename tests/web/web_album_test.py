#!/usr/bin/env python3
"""The web album in headless Chromium, driven as a child would drive it.

Speaks the WebDriver protocol to a running chromedriver over HTTP (Python's own
urllib, nothing to install) and checks, each on its own: the title's pixels in the
canvas, Enter starting the book, a sticker stuck on its home by real mouse events,
the counter dropping, the sticker still there after the page is reloaded (the saves
live in the browser's storage), another sticker stuck by a finger's drag-and-drop,
the song reaching the speakers, the next page turned to while the network is
cut, reached once it is back, and Quit: the ending screen, then the title with the
album let go of (a second tab opens it; this tab's start then says so). Time to
title, bytes transferred and the tab's memory are printed as figures; only the
issue's 6 MB first load is checked.

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

FIRST_LOAD_LIMIT = 6 * 1024 * 1024
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

TRANSFERRED = """
const entries = performance.getEntriesByType('navigation')
    .concat(performance.getEntriesByType('resource'));
const sum = key => entries.reduce((total, entry) => total + (entry[key] || 0), 0);
return {bytes: sum('transferSize'), decoded: sum('decodedBodySize'), files: entries.length};
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


def turn_page_offline(album, checks):
    """Next while the network is cut: the page's picture cannot be fetched yet; the
    album waits for it, and turns the page once the network is back."""
    page = album.layout["secondPage"]
    album.browser.cut_network(True)
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
    time.sleep(1)
    notice = browser.script(NOTICE)
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
    first, second, _ = album.layout["stickers"]
    total = max(int(count) for count in album.layout["counters"])

    browser.post("/url", {"url": address})
    title_ms = album.wait_for_title(address)
    if not checks.check("the album says its title is on screen", title_ms is not None):
        return
    sent = browser.script(TRANSFERRED)
    print(f"FIGURE  time to title: {title_ms:.0f} ms from the start of navigation")
    print(f"FIGURE  first load: {sent['bytes']} bytes transferred in {sent['files']} files "
          f"({sent['decoded']} bytes unpacked)")
    checks.check("the first load transfers at most 6 MB", sent["bytes"] <= FIRST_LOAD_LIMIT,
                 f"{sent['bytes']} bytes")

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
    album.key(ENTER)
    album.check_stuck(checks, "after the reload the sticker is still on its home", first)
    checks.check("after the reload the counter still shows one sticker fewer",
                 album.counter_shows(total - 1))

    album.stick_by_finger(second)
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
    another_tab_while_quit(album, address, checks, total)


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
