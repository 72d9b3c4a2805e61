#!/usr/bin/env bash
# Installs what is missing, builds, and starts the album.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh"
dir="$("$root/scripts/build.sh" | tail -n 1)"

album="$dir/Quillory3/quillory3"
if [[ ! -x "$album" ]]; then
    echo "Built the album's libraries in $dir; the album program itself is not written yet."
    exit 0
fi
cd "$(dirname "$album")"
exec "$album"
