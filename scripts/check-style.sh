#!/usr/bin/env bash
# The house rules a compiler does not check. Usage: check-style.sh [--all]
#   1. No include runs up the house: nothing outside app/ includes app/; scene/ gfx/
#      io/ sound/ and the layers below them include nothing of album/; platform/
#      includes no subsystem; nothing but content/ includes content/. Inside platform/
#      the services stand kernel/, gdi/, user/, then mm/ and print/; none includes one
#      above it, and none includes a machine (platform/machines/ implements them).
#   2. clang-format: the C++ files changed against the main branch (committed or not),
#      or with --all every C++ file, must already be formatted.
# Exits non-zero, naming each offending line or file, when a rule is broken.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

failed=0

# upward PATTERN FOLDERS...: every include of PATTERN in the tracked C++ files of FOLDERS.
upward() {
    local pattern="$1"
    shift
    local hits
    hits="$(git ls-files -- "${@/%//*.cpp}" "${@/%//*.h}" | xargs -r grep -nE "^#include \"($pattern)/" || true)"
    if [[ -n "$hits" ]]; then
        echo "$hits"
        failed=1
    fi
}

lower_layers=(scene gfx io sound catalogue diag)
upward app album catalogue content diag gfx io platform scene sound
upward album "${lower_layers[@]}" platform
upward 'app|album|catalogue|content|diag|gfx|io|scene|sound' platform
upward content app album catalogue diag gfx io platform scene sound
upward 'platform/(gdi|user|mm|print|machines)' platform/kernel
upward 'platform/(user|mm|print|machines)' platform/gdi
upward 'platform/(mm|print|machines)' platform/user
upward 'platform/(user|print|machines)' platform/mm
upward 'platform/machines' platform/print
[[ $failed -eq 0 ]] || echo "check-style: an include runs up the house (see docs/ARCHITECTURE.md)"

if [[ "${1:-}" == "--all" ]]; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    base="$(git merge-base HEAD main 2>/dev/null || git rev-parse HEAD)"
    mapfile -t files < <({ git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h'
                           git ls-files --others --exclude-standard -- '*.cpp' '*.h'; } | sort -u)
fi
if ((${#files[@]} > 0)) && ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "check-style: run clang-format -i on the files above"
    failed=1
fi
exit "$failed"
