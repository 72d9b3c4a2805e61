#!/usr/bin/env bash
# Builds the web album, serves it on 127.0.0.1 and plays it in headless Chromium through
# chromedriver (tests/web/web_album_test.py), then more briefly in headless Firefox ESR
# over its own WebDriver BiDi server (tests/web/firefox_album_test.py). Exits non-zero
# when a check fails in either; every process it starts ends with it. The audio starts
# on the test's first key press, as a browser lets a page's sound start only after the
# user has acted.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

work="$(mktemp -d)"
server=""
driver=""
firefox=""
# Each helper runs in a process group of its own (setsid), ended as a whole.
stop() {
    for group in $firefox $driver $server; do
        kill -TERM -- "-$group" 2>/dev/null || true
    done
    for group in $firefox $driver $server; do
        for _ in $(seq 50); do kill -0 -- "-$group" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "-$group" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop EXIT

# Installs what the web album and this test need, and builds the site.
"$root/scripts/web.sh" >/dev/null

# The clicks and pictures the test looks for, from a native build of the album's tables.
cmake -S "$root" -B "$root/build" -G Ninja -DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice cmake --build "$root/build" -j2 --target web_test_layout >&2
(cd "$root/build/Quillory3" && "$root/build/tests/web/web_test_layout") >"$work/layout.json"

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
answers() {
    python3 -c 'import sys, urllib.request; urllib.request.urlopen(sys.argv[1], timeout=2)' "$1" 2>/dev/null
}
wait_for() {
    for _ in $(seq 300); do
        answers "$1" && return 0
        sleep 0.1
    done
    echo "nothing answers at $1" >&2
    return 1
}

site_port="$(free_port)"
QUILLORY_WEB_PORT="$site_port" setsid "$root/scripts/web.sh" --serve --test >"$work/server.log" 2>&1 &
server=$!
driver_port="$(free_port)"
setsid chromedriver --port="$driver_port" --allowed-ips=127.0.0.1 >"$work/driver.log" 2>&1 &
driver=$!
wait_for "http://127.0.0.1:$site_port/" || { cat "$work/server.log" >&2; exit 1; }
wait_for "http://127.0.0.1:$driver_port/status"

timeout 420 python3 "$root/tests/web/web_album_test.py" \
    --driver "http://127.0.0.1:$driver_port" --site "http://127.0.0.1:$site_port/" \
    --layout "$work/layout.json" --user-data-dir "$work/profile" \
    --site-folder "$root/build-web/site" || failed=1

firefox_port="$(free_port)"
mkdir "$work/firefox"
# Without service workers, as in a private window: the album's own fetches are tested.
echo 'user_pref("dom.serviceWorkers.enabled", false);' >"$work/firefox/user.js"
setsid firefox-esr --headless --no-remote --profile "$work/firefox" \
    --remote-debugging-port="$firefox_port" about:blank >"$work/firefox.log" 2>&1 &
firefox=$!
# Debian's Python: the WebSocket module comes from a Debian package.
timeout 120 /usr/bin/python3 "$root/tests/web/firefox_album_test.py" \
    --remote "ws://127.0.0.1:$firefox_port" --site "http://127.0.0.1:$site_port/" \
    --layout "$work/layout.json" || failed=1
exit "${failed:-0}"
