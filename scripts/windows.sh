#!/usr/bin/env bash
# Builds the Windows album into build-windows/Quillory3/ (the program beside its
# pictures and song) with the MinGW-w64 cross compiler, and prints that folder.
# Usage: windows.sh [--tests]
#   --tests  also builds the unit tests and scenarios and runs them under Wine, in a
#            Wine prefix of their own (build-windows/wine)
# The content generator and the icon writer run natively: they come from the plain
# build in build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tests=OFF
[[ "${1:-}" == "--tests" ]] && tests=ON

"$root/scripts/install-deps.sh" packages.txt packages-windows.txt
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$root/build" --target quillory_content_generator quillory_icon_writer >&2

cd "$root"
cmake --preset windows -DQUILLORY_TESTS="$tests" >&2
cmake --build --preset windows -j "${QUILLORY_WINDOWS_JOBS:-2}" >&2

if [[ "$tests" == ON ]]; then
    # One Wine server for the whole run, so that each test program starts at once; the
    # prefix is made before the first test program asks for it.
    export WINEPREFIX="$root/build-windows/wine" WINEDEBUG=-all
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wineserver -p
    trap '/usr/lib/wine/wineserver -k || true' EXIT
    /usr/lib/wine/wine64 wineboot --init 2>/dev/null
    ctest --preset windows -j "${QUILLORY_WINDOWS_JOBS:-2}" >&2
fi
echo "$root/build-windows/Quillory3"
