#!/usr/bin/env bash
# Records the reference traces of the system's owner-drawn button: builds ButtonProbe.c
# as a Windows program, runs it under Wine on a virtual X display and leaves one text
# file per scenario in traces/. A developer runs this once and commits the traces; the
# build and CI only read them.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

need=()
command -v x86_64-w64-mingw32-gcc >/dev/null || need+=(gcc-mingw-w64-x86-64)
[[ -x /usr/lib/wine/wine64 ]] || need+=(wine64)
command -v xvfb-run >/dev/null || need+=(xvfb xauth)
if ((${#need[@]})); then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${need[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
x86_64-w64-mingw32-gcc -std=c11 -O2 -Wall -Wextra -Werror -o "$work/ButtonProbe.exe" "$here/ButtonProbe.c"

# A private Wine prefix so that nothing from an earlier run (or the user's own) leaks
# into the recording.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$work/out"
(cd "$work/out" && xvfb-run -a /usr/lib/wine/wine64 "$work/ButtonProbe.exe")
/usr/lib/wine/wineserver -k 2>/dev/null || true

rm -f "$here"/traces/*.txt
mkdir -p "$here/traces"
cp "$work"/out/*.txt "$here/traces/"
ls "$here/traces"
