#!/usr/bin/python3
"""The web album in headless Firefox ESR, played as web_album_test.py plays it in Chromium.

Firefox is driven over its own WebDriver BiDi server (started with
--remote-debugging-port), through Debian's WebSocket module for the system's Python;
the checks, the clicks and the pictures looked for are web_album_test.py's. It checks
the title's pixels, Enter starting the book, a sticker stuck by the mouse and still
stuck after a reload (the saves in Firefox's IndexedDB), and the next page reached
after the server failed its picture (scripts/serve-web.py --test). Exits non-zero when
a check fails.
"""

import argparse
import json
import sys
import time

import websocket

from web_album_test import (Album, Checks, WebDriverError, fail_page_picture, open_book,
                            reload_keeps_stuck, stick_by_mouse, turn_page_through_failures)

CONNECT_LIMIT_S = 30

# A WebDriver script's body runs as a function of the given arguments (handed over as
# one JSON string); an asynchronous one gets a last argument to call with its answer.
# The answer comes back as JSON too.
SYNC_SCRIPT = ("(json) => JSON.stringify((function() {\n%s\n})"
               ".apply(null, JSON.parse(json)) ?? null)")
ASYNC_SCRIPT = ("(json) => new Promise(done => (function() {\n%s\n})"
                ".apply(null, JSON.parse(json).concat([done])))"
                ".then(answer => JSON.stringify(answer ?? null))")


class FirefoxBrowser:
    """One WebDriver BiDi session on Firefox, with what Album asks of a browser."""

    def __init__(self, address):
        self.socket = self.connect(address + "/session")
        self.count = 0
        self.call("session.new", {"capabilities": {}})
        self.context = self.call("browsingContext.getTree", {})["contexts"][0]["context"]
        self.call("browsingContext.setViewport", {"context": self.context,
                                                  "viewport": {"width": 1280, "height": 900}})

    @staticmethod
    def connect(address):
        """Firefox's server answers a moment after the browser starts."""
        deadline = time.monotonic() + CONNECT_LIMIT_S
        while True:
            try:
                # Firefox refuses a connection that says it comes from a web page.
                return websocket.create_connection(address, suppress_origin=True, timeout=120)
            except (OSError, websocket.WebSocketException):
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.2)

    def call(self, method, params):
        self.count += 1
        self.socket.send(json.dumps({"id": self.count, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.count:
                break
        if answer["type"] == "error":
            raise WebDriverError(f"{answer['error']}: {answer.get('message', '')[:300]}")
        return answer["result"]

    def script(self, source, *args, kind="sync"):
        wrapper = ASYNC_SCRIPT if kind == "async" else SYNC_SCRIPT
        result = self.call("script.callFunction", {
            "functionDeclaration": wrapper.replace("%s", source, 1),
            "arguments": [{"type": "string", "value": json.dumps(args)}],
            "target": {"context": self.context}, "awaitPromise": True})
        if result["type"] == "exception":
            raise WebDriverError(result["exceptionDetails"].get("text", "script failed"))
        return json.loads(result["result"]["value"])

    def act(self, *sources):
        self.call("input.performActions", {"context": self.context, "actions": list(sources)})
        self.call("input.releaseActions", {"context": self.context})

    def open(self, address):
        self.call("browsingContext.navigate", {"context": self.context, "url": address,
                                               "wait": "interactive"})

    def refresh(self):
        self.call("browsingContext.reload", {"context": self.context, "wait": "interactive"})

    def quit(self):
        try:
            self.call("browser.close", {})
        except (WebDriverError, OSError, websocket.WebSocketException):
            pass


def play(album, address, checks):
    first = album.layout["stickers"][0]
    failing = fail_page_picture(address, album.layout["secondPage"])
    album.browser.open(address)
    if not checks.check("the album says its title is on screen",
                        album.wait_for_title(address) is not None):
        return
    if not open_book(album, checks):
        return
    stick_by_mouse(album, checks, first)
    if reload_keeps_stuck(album, checks, address, first):
        turn_page_through_failures(album, checks, address, "second", failing)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    # Firefox's WebDriver BiDi address (ws://...), the served album's, web_test_layout's JSON.
    for option in ("--remote", "--site", "--layout"):
        parser.add_argument(option, required=True)
    options = parser.parse_args()
    with open(options.layout) as file:
        layout = json.load(file)

    print("In headless Firefox ESR:", flush=True)
    checks = Checks()
    browser = None
    try:
        browser = FirefoxBrowser(options.remote)
        play(Album(browser, layout), options.site, checks)
    except (WebDriverError, OSError, websocket.WebSocketException) as error:
        checks.check("Firefox answers", False, str(error))
    finally:
        if browser:
            browser.quit()
    print(f"{len(checks)} check(s) failed in Firefox" if checks
          else "every check passed in Firefox")
    return 1 if checks else 0


if __name__ == "__main__":
    sys.exit(main())
