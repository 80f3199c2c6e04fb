#!/usr/bin/env bash
# Builds the Debian package as `make package` does and checks it as a
# distribution would: its exact listing in the games layout, its control
# fields, the desktop entry, the AppStream metainfo, the man pages naming the
# configured folders, an icon of each size, the copyright, and lintian, which
# must report no error and no warning. Leaves the package for gui.install.
#
#   package_test.sh SOURCE_DIR
set -euo pipefail
fail() { echo "package_test: $*" >&2; exit 1; }
src=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

make -C "$src" package >"$tmp/make.log" 2>&1 || { cat "$tmp/make.log" >&2; fail "make package failed"; }
version=$(sed -n 's/^project(Vorlund VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
deb=$src/build-package/vorlund_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"

# The listing, the 145 textures as one line.
dpkg-deb -c "$deb" | awk '{print $1, $6}' |
  sed -E 's|Fig13[0-9]{3}\.bmp$|Fig13NNN.bmp|' | uniq -c | sed -E 's/^ *1 //; s/^ *([0-9]+) /\1x /' \
    >"$tmp/listing"
id=io.github.vorlund.Vorlund
{
  for d in ./usr/ ./usr/games/; do echo "drwxr-xr-x $d"; done
  echo "-rwxr-xr-x ./usr/games/vorlund"
  echo "-rwxr-xr-x ./usr/games/vorlund-sim"
  for d in ./usr/share/ ./usr/share/applications/; do echo "drwxr-xr-x $d"; done
  echo "-rw-r--r-- ./usr/share/applications/$id.desktop"
  for d in ./usr/share/doc/ ./usr/share/doc/vorlund/; do echo "drwxr-xr-x $d"; done
  echo "-rw-r--r-- ./usr/share/doc/vorlund/changelog.gz"
  echo "-rw-r--r-- ./usr/share/doc/vorlund/copyright"
  for d in ./usr/share/games/ ./usr/share/games/vorlund/; do echo "drwxr-xr-x $d"; done
  echo "145x -rw-r--r-- ./usr/share/games/vorlund/Fig13NNN.bmp"
  for f in adia2.equ aorb1.orb atri1.tri face.equ names.txt races.txt risks.txt wendlebrook_song_one.mp3; do
    echo "-rw-r--r-- ./usr/share/games/vorlund/$f"
  done
  for d in ./usr/share/icons/ ./usr/share/icons/hicolor/; do echo "drwxr-xr-x $d"; done
  for size in 128x128 16x16 24x24 256x256 32x32 48x48 64x64; do
    echo "drwxr-xr-x ./usr/share/icons/hicolor/$size/"
    echo "drwxr-xr-x ./usr/share/icons/hicolor/$size/apps/"
    echo "-rw-r--r-- ./usr/share/icons/hicolor/$size/apps/$id.png"
  done
  echo "drwxr-xr-x ./usr/share/icons/hicolor/scalable/"
  echo "drwxr-xr-x ./usr/share/icons/hicolor/scalable/apps/"
  echo "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/$id.svg"
  for d in ./usr/share/man/ ./usr/share/man/man6/; do echo "drwxr-xr-x $d"; done
  echo "-rw-r--r-- ./usr/share/man/man6/vorlund-sim.6.gz"
  echo "-rw-r--r-- ./usr/share/man/man6/vorlund.6.gz"
  echo "drwxr-xr-x ./usr/share/metainfo/"
  echo "-rw-r--r-- ./usr/share/metainfo/$id.metainfo.xml"
} >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/listing" || fail "the package's listing differs"

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
grep -q "fonts-liberation" <<<"$(dpkg-deb -f "$deb" Depends)" || fail "Depends lacks the fonts"
grep -q "libqt6gui6" <<<"$(dpkg-deb -f "$deb" Depends)" || fail "Depends lacks Qt"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/$id.desktop" | tee "$tmp/out"
[ ! -s "$tmp/out" ] || fail "desktop-file-validate complained"
grep -qx "Exec=/usr/games/vorlund" "$root/usr/share/applications/$id.desktop" || fail "Exec"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo is not valid"
echo "== man pages"
for page in vorlund vorlund-sim; do
  zcat "$root/usr/share/man/man6/$page.6.gz" >"$tmp/$page.6"
  groff -man -ww -z "$tmp/$page.6" 2>&1 | tee "$tmp/out"
  [ ! -s "$tmp/out" ] || fail "groff complained about $page.6"
  grep -q '/usr/share/games/vorlund' "$tmp/$page.6" || fail "$page.6 does not name the data folder"
done
for size in 16 24 32 48 64 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" |
    grep -q "PNG image data, $size x $size," || fail "the $size-pixel icon"
done
head -1 "$root/usr/share/doc/vorlund/copyright" |
  grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "the copyright is not machine-readable"
cmp "$src/COPYING" /usr/share/common-licenses/GPL-3 || fail "COPYING is not the GPL-3"
echo "== lintian"
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2) ||
  fail "lintian found errors or warnings"
echo "package_test: ok"
