#!/usr/bin/env bash
# The last step of scripts/windows.sh: from the cross build in build-windows/ (or the
# folder given), makes the installer Quillory3-<version>-setup.exe and the portable
# Quillory3-<version>-windows.zip and copies both into the top folder, beside the
# Debian package. The program must need no DLL that Windows itself does not have.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-windows}"

cmake --build "$build" --target quillory_windows_setup quillory_windows_zip >&2

# The DLLs every Windows has; anything else (the compiler's own run-time DLLs) would
# be missing on the child's computer.
program="$build/packaging/windows/program/quillory3.exe"
foreign=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' |
    grep -viE '^(kernel32|user32|gdi32|winmm|winspool\.drv|comdlg32|shell32|shlwapi|ole32|advapi32|msvcrt|ws2_32|imm32|ntdll|api-ms-win-.*|ucrtbase|comctl32|dwmapi|uxtheme|shcore|version|bcrypt|setupapi|oleaut32|mmdevapi|avrt|ksuser)\.dll$' || true)
if [[ -n "$foreign" ]]; then
    echo "quillory3.exe needs DLLs that Windows does not have: $foreign" >&2
    exit 1
fi

version=$(sed -n 's/^project(Quillory3 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
for made in "$build/Quillory3-$version-setup.exe" "$build/Quillory3-$version-windows.zip"; do
    cp "$made" "$root/"
    echo "built $(basename "$made")" >&2
done
