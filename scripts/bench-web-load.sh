#!/usr/bin/env bash
# Measures the web album's load on a slow school connection (1.6 Mbit/s, 150 ms) in
# headless Chromium: time to title and bytes before it, first and second visit
# (scripts/bench_web_load.py says how). Usage:
#   bench-web-load.sh [SITE] [--server SERVER] [--offline] [--settle SECONDS]
# SITE is build-web/site unless given (scripts/web.sh builds it); SERVER serves it,
# scripts/serve-web.py unless given: an older site is measured with its own server, e.g.
#   git show OLD:scripts/serve-web.py >/tmp/old-server.py
#   bench-web-load.sh /tmp/old-site --server /tmp/old-server.py
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
site="$root/build-web/site"
if [[ $# -gt 0 && "$1" != --* ]]; then
    site="$1"
    shift
fi
exec python3 "$root/scripts/bench_web_load.py" "$site" "$@"
