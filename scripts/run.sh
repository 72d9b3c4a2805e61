#!/usr/bin/env bash
# Installs what is missing, builds, and starts the album from its own folder, where it
# finds its pictures and song and writes save003/ and options03.dta.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh"
dir="$("$root/scripts/build.sh" | tail -n 1)"

cd "$dir/Quillory3"
exec ./quillory3
