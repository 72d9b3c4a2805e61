#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh, with its lintian, appstreamcli and
# desktop-file-validate checks), installs it with apt-get, starts the installed
# launcher as a normal user on an X server of its own and waits for the title screen
# (compared by pixels with the title screenshot the package installs), plays the
# album's way to its end by keys, checks that the user's files went to
# ~/.local/share/quillory3, then removes the package and checks that nothing of it
# is left under /usr while the user's files stay. Needs root or sudo.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive

fail() {
    echo "package test: $*" >&2
    exit 1
}

"$root/scripts/package.sh"
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
deb="$(ls "$root"/quillory3_"${version}"_*.deb)"

echo "== installing $(basename "$deb")"
"${as_root[@]}" apt-get install -y -q "$deb" > /dev/null
installed_files="$(dpkg-query -L quillory3)"

# A normal user of the machine, made for the test and removed after it.
user=quillory-package-test
"${as_root[@]}" userdel -r "$user" 2> /dev/null || true
"${as_root[@]}" useradd -m -s /bin/bash "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
work="$(mktemp -d)"
chmod 755 "$work"
cleanup() {
    "${as_root[@]}" userdel -r "$user" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# What the user does, in a login shell: the menu entry's command, found on the
# user's PATH, on an X server of its own the size of the album's picture.
cat > "$work/as-user.sh" <<'INNER'
set -euo pipefail
work="$1"
display=90
while [[ -e "/tmp/.X$display-lock" ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null || true' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

env -u DISPLAY quillory3 --version > "$work/version.txt" 2>&1 && echo answered > "$work/version-answered" || true

command="$(sed -n 's/^Exec=//p' /usr/share/applications/*quillory*.desktop)"
$command > "$work/album.log" 2>&1 &
album=$!

# The title is on the screen when the screen matches the title screenshot.
seen=no
for _ in $(seq 60); do
    sleep 1
    xwd -root -silent | convert xwd:- "$work/screen.png"
    differing="$(compare -metric AE -fuzz 8% "$work/screen.png" /usr/share/quillory3/screenshots/title.png null: 2>&1 || true)"
    if awk -v n="$differing" 'BEGIN { exit !(n + 0 < 1024 * 768 / 50) }'; then seen=yes; break; fi
done
echo "$seen $differing" > "$work/title-seen"
[[ $seen == yes ]] || { kill "$album"; exit 1; }

# Open the album, quit by key and leave the goodbye screen: the page is saved.
xdotool key Return; sleep 3
xdotool key q; sleep 2
xdotool key Return
for _ in $(seq 100); do kill -0 "$album" 2> /dev/null || break; sleep 0.1; done
if kill -0 "$album" 2> /dev/null; then kill "$album"; echo "still running" > "$work/album-end"; exit 1; fi
wait "$album" && echo 0 > "$work/album-end" || echo "$?" > "$work/album-end"
INNER

echo "== starting the installed album as $user"
"${as_root[@]}" chown "$user" "$work"
"${as_root[@]}" runuser -l "$user" -c "bash '$work/as-user.sh' '$work'" ||
    { cat "$work"/*.log "$work"/title-seen 2> /dev/null; fail "the album did not run as it should"; }
cp "$work/screen.png" "$root/build-package/installed-title.png"
echo "title seen on the screen ($(cut -d' ' -f2 "$work/title-seen") pixels differ from the screenshot)"
[[ "$(cat "$work/album-end")" == 0 ]] || fail "the album ended with $(cat "$work/album-end")"

if [[ -e "$work/version-answered" ]]; then
    [[ "$(cat "$work/version.txt")" == "Quillory 3 $version" ]] ||
        fail "the program says '$(cat "$work/version.txt")', the package is $version"
    echo "the program says: $(cat "$work/version.txt")"
fi

album="$home/.local/share/quillory3"
for item in data003 QLY03.mid; do
    [[ -L "$album/$item" ]] || fail "$album/$item is not linked to the installed album"
done
"${as_root[@]}" find "$album/save003" -type f | grep -q . || fail "no page was saved in $album/save003"
[[ ! -e /usr/share/quillory3/save003 ]] || fail "the album wrote into /usr/share/quillory3"
echo "the user's files: $("${as_root[@]}" find "$album" -mindepth 1 -printf '%P ' | tr -s ' ')"

echo "== removing the package"
"${as_root[@]}" apt-get remove -y -q quillory3 > /dev/null
while read -r path; do
    [[ "$path" == /usr/* && ! -d "$path" && -e "$path" ]] && fail "$path is left after removal"
done <<< "$installed_files"
left="$(find /usr -path /usr/local -prune -o -iname '*quillory*' -print 2> /dev/null)"
[[ -z "$left" ]] || fail "left under /usr: $left"
"${as_root[@]}" find "$album/save003" -type f | grep -q . || fail "removing the package took the user's pages"
echo "package test: built, installed, ran as $user, removed; the user's files stay"
