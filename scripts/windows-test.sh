#!/usr/bin/env bash
# Tests the Windows album under Wine: the cross-built unit tests and scenarios
# (scripts/windows.sh --tests, which also makes the installer and the zip), then the
# installer and the installed album end to end (scripts/windows_e2e.py): a silent
# install into a fresh Wine prefix, the title on screen, a sticker stuck with the
# mouse, the album closed and started again with the sticker still there, a silent
# uninstall that leaves only the child's album. Its screenshots are kept on failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/windows.sh" --tests > /dev/null

version=$(sed -n 's/^project(Quillory3 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
# What the title must look like: the content generator's own picture of it.
preview="$root/build/windows-test-preview"
rm -rf "$preview"
"$root/build/content/quillory_content_generator" --preview "$preview" > /dev/null
python3 "$root/scripts/windows_e2e.py" "$root/Quillory3-$version-setup.exe" "$preview"
