#!/usr/bin/env bash
# Builds the Debian package quillory3_<version>_amd64.deb into this folder and checks
# it: lintian, the software-centre description (appstreamcli) and the menu entry
# (desktop-file-validate); an error from any of them fails the script.
# Install it with: sudo apt install ./quillory3_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh"

# dpkg-buildpackage writes the package beside the source folder, so the source is
# built from a copy in build-package/, which keeps this folder clean.
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
stage="$root/build-package"
source="$stage/quillory3-$version"
rm -rf "$stage"
mkdir -p "$source"
tar -C "$root" --exclude='./build*' --exclude='./.git' --exclude='./*.deb' -cf - . | tar -C "$source" -xf -

# The compiler cache speeds up a rebuild; debhelper gives the build a HOME of its
# own, so the cache's folder is named outright.
if command -v ccache > /dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$source" CCACHE_NOHASHDIR=1
    CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir)}"
    export CCACHE_DIR
fi
export DEB_BUILD_OPTIONS="parallel=$(nproc) noddebs"
echo "== building the package (log: build-package/build.log)"
if ! (cd "$source" && nice dpkg-buildpackage -us -uc -b) > "$stage/build.log" 2>&1; then
    tail -n 40 "$stage/build.log"
    exit 1
fi

deb="quillory3_${version}_$(dpkg-architecture -q DEB_HOST_ARCH).deb"
cp "$stage/$deb" "$root/"

echo "== lintian"
lintian --fail-on error --info "$stage"/quillory3_"${version}"_*.changes

echo "== the software-centre description and the menu entry"
unpacked="$stage/unpacked"
dpkg-deb -x "$root/$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop

echo "built $deb"
