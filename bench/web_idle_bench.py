#!/usr/bin/env python3
"""The web album's CPU while a child looks at the playing screen and the song plays.

Serves a built site (scripts/web.sh) on 127.0.0.1, opens it in headless Chromium through
chromedriver, presses Enter on the title (the key also lets the page make sound), waits
until the rest of the site has come and is kept offline, and until the song reaches the
speakers; then counts, over SECONDS (20), the CPU time (user + system, from /proc) of
the tab's renderer process and of the browser's other processes, and prints each as a
share of one core. Runs RUNS times, each in a fresh profile, and prints every run and
the median. Target: the renderer at most 2 % of a core (the desktop album takes
under 1 %).

    bench/web_idle_bench.py [--site build-web/site] [--runs 3] [--seconds 20]
"""

import argparse
import os
import pathlib
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.request

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "web"))
# pylint: disable=wrong-import-position
from web_album_test import (AUDIO_STATE, ENTER, SILENCE_LEVEL, Album, Browser,  # noqa: E402
                            chromium_arguments, run_processes)

TICKS = os.sysconf("SC_CLK_TCK")


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_until_answering(address):
    for _ in range(300):
        try:
            urllib.request.urlopen(address, timeout=2).close()
            return
        except OSError:
            time.sleep(0.1)
    raise RuntimeError(f"nothing answers at {address}")


def cpu_seconds(pid):
    try:
        with open(f"/proc/{pid}/stat") as file:
            fields = file.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / TICKS
    except (OSError, IndexError, ValueError):
        return 0.0


def process_kind(command):
    """The tab's renderer, or another of the browser's processes, by its arguments."""
    if b"--type=renderer" in command and b"webui" not in command:
        return "renderer"
    return "rest of the browser"


def cpu_by_kind(user_data_dir):
    seconds = {}
    for pid, command in run_processes(user_data_dir).items():
        kind = process_kind(command)
        seconds[kind] = seconds.get(kind, 0.0) + cpu_seconds(pid)
    return seconds


def wait_until_kept(browser, limit=60):
    """Until the rest of the site has come after the title and the service worker keeps
    it: that work is done once per visit, and is not idling."""
    deadline = time.monotonic() + limit
    while not browser.script("return window.quillory.offlineReady === true;"):
        if time.monotonic() > deadline:
            raise RuntimeError("the site was never kept offline")
        time.sleep(0.2)


def measure(driver, site, seconds):
    """One run: the shares of a core, by process kind, with the song playing."""
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(driver, chromium_arguments(profile))
        try:
            album = Album(browser, {})
            browser.post("/url", {"url": site})
            if album.wait_for_title(site) is None:
                raise RuntimeError("the title never came")
            album.key(ENTER)
            wait_until_kept(browser)
            deadline = time.monotonic() + 20
            while browser.script(AUDIO_STATE)["level"] <= SILENCE_LEVEL:
                if time.monotonic() > deadline:
                    raise RuntimeError("the song never reached the speakers")
                time.sleep(0.2)
            before = cpu_by_kind(profile)
            time.sleep(seconds)
            after = cpu_by_kind(profile)
        finally:
            browser.quit()
    return {kind: 100 * (after[kind] - before.get(kind, 0.0)) / seconds for kind in after}


def start(command):
    """A helper in a process group of its own, so that it ends as a whole."""
    return subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", default=str(ROOT / "build-web" / "site"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--seconds", type=float, default=20)
    options = parser.parse_args()

    site_port, driver_port = free_port(), free_port()
    helpers = [start([sys.executable, str(ROOT / "scripts" / "serve-web.py"), options.site,
                      str(site_port)]),
               start(["chromedriver", f"--port={driver_port}", "--allowed-ips=127.0.0.1"])]
    try:
        site = f"http://127.0.0.1:{site_port}/"
        driver = f"http://127.0.0.1:{driver_port}"
        wait_until_answering(site)
        wait_until_answering(driver + "/status")
        runs = []
        for run in range(options.runs):
            runs.append(measure(driver, site, options.seconds))
            shares = "  ".join(f"{kind} {share:.1f} %" for kind, share in sorted(runs[-1].items()))
            print(f"run {run + 1}: {shares}", flush=True)
        renderer = statistics.median(shares["renderer"] for shares in runs)
        print(f"FIGURE  idle on the playing screen with the song: the renderer uses "
              f"{renderer:.1f} % of a core (median of {options.runs} runs of "
              f"{options.seconds:g} s)")
    finally:
        for helper in helpers:
            os.killpg(helper.pid, signal.SIGTERM)
            helper.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
