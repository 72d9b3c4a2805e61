#!/bin/sh
# Runs the album from the user's own folder, where it writes save003/ and
# options03.dta, with the installed pictures and song linked in beside it.
set -eu
# The installed album lies in share/quillory3 beside this launcher's bin/.
installed="$(cd "$(dirname "$(readlink -f "$0")")/../share/quillory3" && pwd)"
album="${XDG_DATA_HOME:-$HOME/.local/share}/quillory3"
mkdir -p "$album"
for item in data003 QLY03.mid; do
    if [ ! -e "$album/$item" ]; then
        rm -f "$album/$item"
        ln -s "$installed/$item" "$album/$item"
    fi
done
cd "$album"
exec "$installed/quillory3" "$@"
