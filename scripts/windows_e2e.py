#!/usr/bin/env python3
"""The Windows album end to end under Wine, on an X server of its own, as a parent and
a child would use it: the installer run silently (/S) into a fresh Wine prefix; the
installed album started from its folder (as its Start-menu entry starts it) and its
title seen on screen; Play clicked, a sheet chosen, a sticker picked and stuck on its
home with the mouse; the album closed with Alt+F4; started again, the sticker found
where it was stuck (on screen and in the saved page); then uninstalled silently,
leaving nothing but the child's album (%LOCALAPPDATA%\\Quillory3) behind.

  windows_e2e.py SETUP_EXE PREVIEW_DIR [--starts N] [--keep]

PREVIEW_DIR holds the content generator's contact sheets (--preview): screen-title.png
and ending.png are what the title and the ending screen must look like. With
--starts N, it only installs and measures N starts to the title (launch -> title in
ms, one figure a line), for the benchmark.
"""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1024, 768
WINE = shutil.which("wine") or "/usr/lib/wine/wine64"
WINESERVER = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory3"

# Where the album's buttons and the first page's first sticker (sticker 30: the second
# sheet's third) lie on its 1024 x 768 screen (catalogue/ButtonLayout.cpp,
# catalogue/StickerHomePositions.cpp and the sticker picture's size), as the desktop
# edition's real-X test finds them.
START_BUTTON = (512, 563)
SHEET = (245, 41)
STICKER_BUTTON = (45, 269)
STICKER = 30
# The sticker's home on the screen (its left, top and size) and the first page's file.
HOME = (75, 116, 84, 84)
PAGE_FILE = "page01.sav"
# The sticker buttons down the left of the page, which show the chosen sheet's stickers.
STICKER_BUTTONS = (15, 109, 60, 580)
# The heading of the title picture: the start button covers part of the rest.
HEADING = (282, 150, 460, 180)


class Failure(Exception):
    pass


def wait_until(check, limit, what, step=0.2):
    """Polls `check` until it gives something true; fails naming `what` after `limit` s."""
    end = time.monotonic() + limit
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out after %d s waiting for %s" % (limit, what))
        time.sleep(step)


class Screen:
    """An Xvfb server of the album's own size, its screenshots as RGB bytes."""

    def __init__(self):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % (WIDTH, HEIGHT),
             "-nolisten", "tcp"], pass_fds=(write,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        os.close(write)
        # The server writes its display's number once it takes connections.
        with os.fdopen(read) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.display = ":" + number

    def shot(self):
        raw = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8",
                              "rgb:-"], capture_output=True, timeout=20).stdout
        return raw if len(raw) == WIDTH * HEIGHT * 3 else None

    def save(self, shot, path):
        subprocess.run(["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "-depth", "8", "rgb:-", path],
                       input=shot, check=True)

    def xdotool(self, *arguments):
        """Runs xdotool on this screen; gives None, so that waits can keep trying."""
        subprocess.run(["xdotool", *arguments], env=dict(os.environ, DISPLAY=self.display),
                       check=True, timeout=10)

    def click(self, point):
        self.xdotool("mousemove", str(point[0]), str(point[1]))
        time.sleep(0.2)
        self.xdotool("click", "1")

    def close(self):
        self.server.terminate()
        self.server.wait(10)


def difference(a, b, area, step=4):
    """The mean channel difference of two screenshots over `area` (x, y, w, h)."""
    x0, y0, w, h = area
    total = count = 0
    for y in range(y0, y0 + h, step):
        row = y * WIDTH * 3
        for x in range(x0, x0 + w, step):
            at = row + x * 3
            total += abs(a[at] - b[at]) + abs(a[at + 1] - b[at + 1]) + abs(a[at + 2] - b[at + 2])
            count += 3
    return total / max(count, 1)


def dark_share(shot):
    """The share of pixels that are black or nearly so, every 8th pixel."""
    pixels = range(0, len(shot), 3 * 8)
    return sum(1 for i in pixels if shot[i] + shot[i + 1] + shot[i + 2] < 24) / len(pixels)


def rgb_of(png):
    return subprocess.run(["convert", png, "-resize", "%dx%d!" % (WIDTH, HEIGHT), "-depth", "8",
                           "rgb:-"], capture_output=True, check=True).stdout


class Wine:
    """A fresh Wine prefix on the screen: the wine server kept up between runs."""

    def __init__(self, work, screen):
        self.prefix = os.path.join(work, "prefix")
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all", DISPLAY=screen.display,
                        # No .NET or HTML engine download dialogs, no host menu entries.
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.env.pop("WAYLAND_DISPLAY", None)

    def run(self, *arguments, limit=120, cwd=None):
        """Runs a Windows program to its end; its exit code and what it wrote. The output
        goes through a file: Wine's own helper processes keep a pipe open long after."""
        with tempfile.TemporaryFile() as output:
            try:
                code = subprocess.run([WINE, *arguments], env=self.env, cwd=cwd, stdout=output,
                                      stderr=subprocess.STDOUT, timeout=limit).returncode
            except subprocess.TimeoutExpired:
                raise Failure("%s did not end within %d s" % (" ".join(arguments), limit))
            output.seek(0)
            return code, output.read().decode(errors="replace")

    def start(self, program, cwd):
        return subprocess.Popen([WINE, program], env=self.env, cwd=cwd, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def boot(self):
        os.makedirs(self.prefix)
        subprocess.run([WINESERVER, "-p", "120"], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.run("wineboot", "-i", limit=180)

    def user_folder(self, *parts):
        users = os.path.join(self.prefix, "drive_c", "users")
        names = [n for n in os.listdir(users) if n != "Public"]
        return os.path.join(users, names[0], *parts)

    def registry_has(self, key):
        return self.run("reg", "query", key, limit=30)[0] == 0

    def registry_value(self, key, name):
        out = self.run("reg", "query", key, "/v", name, limit=30)[1]
        return out.split()[-1] if name in out else None

    def stop(self):
        for how in ("-k", "-w"):
            subprocess.run([WINESERVER, how], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class Album:
    """The installed album: its process and the folders it lives in."""

    def __init__(self, wine, screen, preview):
        self.wine, self.screen = wine, screen
        self.title = rgb_of(os.path.join(preview, "screen-title.png"))
        self.ending = rgb_of(os.path.join(preview, "ending.png"))
        self.folder = wine.user_folder("AppData", "Local", "Programs", "Quillory3")
        self.kept = wine.user_folder("AppData", "Local", "Quillory3")
        self.shortcut = wine.user_folder("AppData", "Roaming", "Microsoft", "Windows",
                                         "Start Menu", "Programs", "Quillory 3.lnk")
        self.process = None

    def start(self):
        """Starts the album as its shortcut does; the ms until its title shows."""
        started = time.monotonic()
        self.process = self.wine.start(os.path.join(self.folder, "quillory3.exe"), self.folder)
        wait_until(lambda: self.running() and showing(self.screen.shot(), self.title), 60,
                   "the title on screen", step=0.05)
        return (time.monotonic() - started) * 1000

    def running(self):
        code = self.process.poll()
        if code is not None:
            raise Failure("the album ended with %d before its title showed" % code)
        return True

    def end(self, work=None):
        """Alt+F4, as a grown-up closes a window, then Enter on the ending screen once
        it shows; the album's exit code."""
        self.screen.xdotool("key", "alt+F4")
        shots = []
        try:
            wait_until(lambda: shots.append(self.screen.shot()) or showing(
                shots[-1], self.ending, (0, 0, WIDTH, HEIGHT)), 20, "the ending screen after Alt+F4")
        finally:
            if work and shots and shots[-1]:
                self.screen.save(shots[-1], os.path.join(work, "ending.png"))
        self.screen.xdotool("key", "Return")
        try:
            return self.process.wait(20)
        except subprocess.TimeoutExpired:
            raise Failure("the album did not end after Enter on the ending screen")

def showing(shot, picture, area=HEADING):
    """Whether a screenshot shows the picture over the area, within a small difference."""
    return shot is not None and difference(shot, picture, area) < 12


def home_area():
    x, y, w, h = HOME
    return (x + 8, y + 8, w - 16, h - 16)


def install(wine, setup):
    code, _ = wine.run(setup, "/S", limit=180)
    if code != 0:
        raise Failure("the silent install ended with %d" % code)


def check_installed(wine, album):
    for item in ("quillory3.exe", "QLY03.mid", "data003", "LICENSE.txt", "uninstall.exe"):
        if not os.path.exists(os.path.join(album.folder, item)):
            raise Failure("the installer did not put %s in %s" % (item, album.folder))
    if not os.path.exists(album.shortcut):
        raise Failure("no Start-menu entry " + album.shortcut)
    for name, wanted in (("DisplayName", None), ("DisplayVersion", None), ("DisplayIcon", None),
                         ("EstimatedSize", None)):
        if wine.registry_value(UNINSTALL_KEY, name) is None:
            raise Failure("the uninstall entry has no " + name)
    print("installed: program, pictures, song, licence, uninstaller, Start-menu entry, "
          "uninstall entry version %s" % wine.registry_value(UNINSTALL_KEY, "DisplayVersion"))


def find_file(folder, name):
    for parent, _, files in os.walk(folder):
        if name in files:
            return os.path.join(parent, name)
    return None


def check_saved_page(album):
    page = find_file(album.kept, PAGE_FILE)
    if page is None:
        raise Failure("no saved page %s in %s" % (PAGE_FILE, album.kept))
    data = open(page, "rb").read()
    if len(data) != 36 or struct.unpack_from("<i", data, 16)[0] != STICKER:
        raise Failure("%s does not hold the one sticker stuck (%d bytes)" % (page, len(data)))
    print("saved: %s holds sticker %d at %d, %d" % ((PAGE_FILE,) + struct.unpack_from("<3i", data, 16)))


def wait_for_screen(screen, check, limit, what):
    """The first screenshot that passes `check` within `limit` seconds."""
    def passing():
        shot = screen.shot()
        return shot if shot and check(shot) else None
    return wait_until(passing, limit, what)


def play_and_stick(album, screen, work):
    """Play, the sticker's sheet, the sticker, and a click on its home; the screen after."""
    screen.click(START_BUTTON)
    playing = wait_for_screen(screen, lambda shot: difference(shot, album.title, HEADING) > 30, 30,
                              "the playing screen: the title's heading gone")
    screen.save(playing, os.path.join(work, "playing.png"))
    screen.click(SHEET)
    sheet = wait_for_screen(screen, lambda shot: difference(shot, playing, STICKER_BUTTONS) > 10,
                            10, "the sheet's stickers on the buttons")
    screen.click(STICKER_BUTTON)
    # The first pick's hint is answered with Enter; then the sticker is carried to its
    # home in two moves, as a hand would, and dropped.
    time.sleep(0.8)
    screen.xdotool("key", "Return")
    x, y, w, h = HOME
    screen.xdotool("mousemove", str(x + w // 2 - 40), str(y + h // 2 - 40))
    time.sleep(0.3)
    screen.click((x + w // 2, y + h // 2))
    # The pointer away from the page, so that nothing carried hides the home.
    time.sleep(0.5)
    screen.xdotool("mousemove", "1000", "740")
    stuck = wait_for_screen(screen, lambda shot: difference(shot, sheet, home_area()) > 20, 20,
                            "the sticker on its home")
    screen.save(stuck, os.path.join(work, "stuck.png"))
    print("stuck: the home's area changed by %.1f" % difference(stuck, sheet, home_area()))
    return stuck


def uninstall(wine, album):
    """A silent uninstall: nothing of the album left in the prefix but its pages."""
    code, _ = wine.run(os.path.join(album.folder, "uninstall.exe"), "/S", limit=60)
    # The uninstaller runs from a copy of itself and returns at once: its work is awaited.
    wait_until(lambda: not os.path.exists(album.folder) and not os.path.exists(album.shortcut),
               60, "the uninstaller to remove the program and the Start-menu entry")
    if code != 0 or wine.registry_has(UNINSTALL_KEY):
        raise Failure("the uninstall entry is still there")
    if find_file(album.kept, PAGE_FILE) is None:
        raise Failure("the silent uninstall removed the child's album")
    left = [os.path.join(parent, name)
            for parent, folders, files in os.walk(os.path.join(wine.prefix, "drive_c"))
            for name in folders + files
            if "quillory" in name.lower() and not os.path.join(parent, name).startswith(album.kept)]
    if left:
        raise Failure("left behind: " + ", ".join(left))
    print("uninstalled: program, Start-menu entry and uninstall entry gone; album kept")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("setup")
    parser.add_argument("preview")
    parser.add_argument("--starts", type=int, default=0)
    parser.add_argument("--keep", action="store_true")
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quillory-windows-")
    began = time.monotonic()
    screen = Screen()
    wine = Wine(work, screen)
    try:
        wine.boot()
        print("fresh Wine prefix: %.1f s" % (time.monotonic() - began))
        install(wine, os.path.abspath(args.setup))
        album = Album(wine, screen, args.preview)
        check_installed(wine, album)
        if args.starts:
            for _ in range(args.starts):
                print("start_ms=%.0f" % album.start())
                album.end()
            return 0

        bare = screen.shot()
        print("launch -> title: %.0f ms" % album.start())
        shot = screen.shot()
        screen.save(shot, os.path.join(work, "title.png"))
        if dark_share(shot) > 0.5 or difference(shot, bare, (0, 0, WIDTH, HEIGHT)) < 10:
            raise Failure("the screen is black or unchanged with the title up")
        stuck = play_and_stick(album, screen, work)
        code = album.end(work)
        if code != 0:
            raise Failure("the album ended with %d" % code)
        check_saved_page(album)

        album.start()
        # An installer run while the album is open gives up rather than replace its files.
        code, _ = wine.run(os.path.abspath(args.setup), "/S", limit=60)
        if code != 2:
            raise Failure("the installer ran over the open album (exit code %d)" % code)
        screen.click(START_BUTTON)
        again = wait_for_screen(screen, lambda shot: difference(shot, stuck, home_area()) < 8, 30,
                                "the sticker still stuck after a restart")
        screen.save(again, os.path.join(work, "again.png"))
        print("started again: the sticker is still stuck (difference %.1f); an installer run "
              "meanwhile waited for the album to close" % difference(again, stuck, home_area()))
        album.end()

        uninstall(wine, album)
        print("end to end: %.0f s" % (time.monotonic() - began))
        return 0
    except Failure as failure:
        print("FAILED: %s (screenshots in %s)" % (failure, work), file=sys.stderr)
        args.keep = True
        return 1
    finally:
        wine.stop()
        screen.close()
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
