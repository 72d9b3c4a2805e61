#!/usr/bin/env bash
# Installs the Debian packages of scripts/packages.txt (or of the lists named, e.g.
# packages.txt packages-web.txt) that are missing; does nothing (and asks no server)
# when every one is there already.
set -euo pipefail
cd "$(dirname "$0")"

missing=()
while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done < <(cat "${@:-packages.txt}")

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
