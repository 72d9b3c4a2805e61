#!/bin/sh
# The Windows album's start under Wine beside the desktop edition's on Linux, both on
# an X server of their own and timed alike (launch -> the title's heading on screen,
# seen in screenshots every 50 ms or so: scripts/windows_e2e.py), N runs each; then
# the whole end-to-end test of the installer (scripts/windows-test.sh's second half).
#
#   scripts/bench-windows-start.sh [RUNS]     (default 5)
#
# Needs the installer (scripts/windows.sh) and the native build's album (build/).
# The first Wine start of a fresh prefix is shown apart: Wine sets up more then.
set -eu

runs=${1:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(Quillory3 VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
setup=$here/Quillory3-$version-setup.exe
[ -f "$setup" ] || { echo "missing $setup: run scripts/windows.sh first" >&2; exit 1; }
cmake --build "$here/build" --target quillory3 quillory_content_generator >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
"$here/build/content/quillory_content_generator" --preview "$work/preview" > /dev/null

VERSION=$version python3 - "$here" "$work" "$runs" <<'PYTHON'
import os, statistics, subprocess, sys, time

here, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
sys.path.insert(0, os.path.join(here, "scripts"))
import windows_e2e as e2e

title = e2e.rgb_of(os.path.join(work, "preview", "screen-title.png"))
album = os.path.join(here, "build", "Quillory3")

def desktop_start(screen, run):
    folder = os.path.join(work, "desktop%d" % run)
    os.makedirs(folder)
    for item in ("data003", "QLY03.mid"):
        os.symlink(os.path.join(album, item), os.path.join(folder, item))
    env = dict(os.environ, DISPLAY=screen.display, SDL_AUDIODRIVER="disk",
               SDL_DISKAUDIOFILE="/dev/null")
    started = time.monotonic()
    process = subprocess.Popen([os.path.join(album, "quillory3")], cwd=folder, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        e2e.wait_until(lambda: e2e.showing(screen.shot(), title), 60, "the desktop title", 0.05)
        return (time.monotonic() - started) * 1000
    finally:
        process.kill()
        process.wait()

screen = e2e.Screen()
try:
    desktop = [desktop_start(screen, run) for run in range(runs)]
finally:
    screen.close()

def figures(command):
    began = time.monotonic()
    output = subprocess.run(command, capture_output=True, text=True)
    if output.returncode != 0:
        sys.exit(output.stdout + output.stderr)
    return output.stdout, time.monotonic() - began

setup = os.path.join(here, "Quillory3-%s-setup.exe" % os.environ["VERSION"])
e2e_script = os.path.join(here, "scripts", "windows_e2e.py")
preview = os.path.join(work, "preview")
out, _ = figures([sys.executable, e2e_script, setup, preview, "--starts", str(runs + 1)])
wine = [float(line.split("=")[1]) for line in out.splitlines() if line.startswith("start_ms=")]
out, whole = figures([sys.executable, e2e_script, setup, preview])

def cell(values):
    return "%.0f / %.0f / %.0f" % (min(values), statistics.median(values), max(values))

print("%d runs each; min / median / max" % runs)
print("%-46s %s" % ("launch -> title, desktop edition (ms)", cell(desktop)))
print("%-46s %s" % ("launch -> title, Windows under Wine (ms)", cell(wine[1:])))
print("%-46s %.0f" % ("  the first start in a fresh prefix (ms)", wine[0]))
print("%-46s %.0f" % ("end-to-end test of the installer (s)", whole))
PYTHON
