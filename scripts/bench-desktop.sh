#!/bin/sh
# The album on a real X server, measured from outside N times beside the floor (a
# minimal SDL program that opens a window, presents one frame and draws a square under
# the pointer): launch to window, launch to the title's pixels, CPU in the first 3 s,
# resident memory, idle CPU on the title, the playing screen and while inactive, CPU
# at 100 pointer moves a second, and pointer move to presented picture. Music plays
# through SDL's disk audio driver into /dev/null, so the synthesizer really renders.
#
#   scripts/bench-desktop.sh [RUNS] [BUILD]     (defaults: 5, build)
#
# Needs Xvfb and xdotool, and the targets quillory3, quillory_launch_probe and
# quillory_sdl_floor built in BUILD. The runs alternate album and floor, so that other
# work on the machine weighs on both alike; medians are the figures to compare.
set -eu

runs=${1:-5}
build=${2:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$here/$build ;; esac
album=$build/Quillory3
probe=$build/bench/quillory_launch_probe
floor=$build/bench/quillory_sdl_floor
for need in "$album/quillory3" "$probe" "$floor"; do
    [ -x "$need" ] || { echo "missing $need: build it first" >&2; exit 1; }
done

work=$(mktemp -d)
# The server picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT INT TERM
for wait in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display") SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null

for run in $(seq "$runs"); do
    # Each album run starts in a fresh folder: no saved pages, no options.
    folder=$work/album$run
    mkdir -p "$folder"
    ln -s "$album/data003" "$album/QLY03.mid" "$folder/"
    "$probe" album "$folder" "$album/quillory3" >>"$work/results" 2>>"$work/errors" ||
        { cat "$work/errors" >&2; exit 1; }
    "$probe" floor "$work" "$floor" >>"$work/results" 2>>"$work/errors" ||
        { cat "$work/errors" >&2; exit 1; }
done

python3 - "$work/results" "$runs" <<'EOF'
import statistics, sys

rows = {}
for line in open(sys.argv[1]):
    kind, *pairs = line.split()
    for pair in pairs:
        name, value = pair.split("=")
        rows.setdefault((kind, name), []).extend(float(v) for v in value.split(","))

names = [("window_ms", "launch -> window visible (ms)"),
         ("title_ms", "launch -> title pixels (ms)"),
         ("other_frames", "pictures shown before the title"),
         ("cpu3s_ms", "CPU in the first 3 s (ms)"),
         ("rss_mib", "resident memory at 3 s (MiB)"),
         ("idle_title_pct", "idle CPU, title, music on (%)"),
         ("idle_playing_pct", "idle CPU, playing, music on, 20 s (%)"),
         ("idle_inactive_pct", "idle CPU, inactive (%)"),
         ("moves_cpu_pct", "CPU at 100 moves/s carrying (%)"),
         ("latency_ms", "pointer move -> presented (ms)")]

def cell(values):
    values = [v for v in values if v >= 0]
    if not values:
        return "-"
    return "%.1f / %.1f / %.1f" % (min(values), statistics.median(values), max(values))

print("%d runs each; min / median / max" % int(sys.argv[2]))
print("%-42s %-26s %-26s" % ("", "album", "floor (minimal SDL)"))
for key, label in names:
    print("%-42s %-26s %-26s" % (label, cell(rows.get(("album", key), [])), cell(rows.get(("floor", key), []))))
missed = [v for v in rows.get(("album", "latency_ms"), []) if v < 0]
if missed:
    print("album moves never presented within 200 ms: %d" % len(missed))
EOF
