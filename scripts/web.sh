#!/usr/bin/env bash
# Builds the web album into build-web/site/ (index.html, quillory3.js, quillory3.wasm,
# its content package, the page backgrounds, the installed app's manifest and icons and
# the service worker). Usage: web.sh [--serve [--test]]
#   --serve  then serves the site on http://127.0.0.1:8000/ until stopped (brotli or
#            gzip for browsers that take it; QUILLORY_WEB_PORT picks another port)
#   --test   and lets the browser test make the server fail for a while
# The content generator and the icon writer run natively: they come from the plain
# build in build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh" packages.txt packages-web.txt
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$root/build" --target quillory_content_generator quillory_icon_writer >&2

# Emscripten's optimizer needs the Node.js modules Debian keeps here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$root/build-web" -G Ninja -DQUILLORY_WEB=ON -DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=Release \
    -DQUILLORY_CONTENT_GENERATOR="$root/build/content/quillory_content_generator" \
    -DQUILLORY_ICON_WRITER="$root/build/packaging/quillory_icon_writer" >&2
cmake --build "$root/build-web" --target quillory3 -j "${QUILLORY_WEB_JOBS:-2}" >&2

if [[ "${1:-}" == "--serve" ]]; then
    exec python3 "$root/scripts/serve-web.py" "$root/build-web/site" "${QUILLORY_WEB_PORT:-8000}" "${@:2}"
fi
echo "$root/build-web/site"
