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

# The listing, the 145 textures as one line, against the reviewed one.
dpkg-deb -c "$deb" | awk '{print $1, $6}' |
  sed -E 's|Fig13[0-9]{3}\.bmp$|Fig13NNN.bmp|' | uniq -c | sed -E 's/^ *1 //; s/^ *([0-9]+) /\1x /' \
    >"$tmp/listing"
diff -u "$src/tests/golden/deb_listing.txt" "$tmp/listing" ||
  fail "the package's listing differs from tests/golden/deb_listing.txt"
id=io.github.vorlund.Vorlund

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
