#!/usr/bin/env bash
# Builds the Debian package from an already built tree and checks it: lintian
# without errors, valid AppStream and desktop files, every file in its place
# once unpacked in a scratch root, the installed programs running from there,
# and ".vlz" files known as application/x-volvenza to the MIME database the
# package installs.
# Usage: packaging/check-package.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && rm -f volvenza_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/volvenza_*.deb)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"

lintian --fail-on error "$deb"
appstreamcli validate --no-net "$here/com.example.volvenza.metainfo.xml"
desktop-file-validate "$here/com.example.volvenza.desktop"

root="$work/root"
dpkg -x "$deb" "$root"
missing=0
for f in usr/bin/volvenza usr/bin/volvenza-sim \
    usr/share/applications/com.example.volvenza.desktop \
    usr/share/metainfo/com.example.volvenza.metainfo.xml \
    usr/share/mime/packages/volvenza.xml \
    usr/share/icons/hicolor/scalable/apps/volvenza.svg \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-volvenza.svg \
    usr/share/doc/volvenza/copyright usr/share/doc/volvenza/changelog.gz \
    usr/share/doc/volvenza/help/index.html usr/share/doc/volvenza/help/ciclo.png \
    usr/share/doc/volvenza/help/en/index.html usr/share/doc/volvenza/help/en/movimenti.html \
    usr/share/volvenza/translations/volvenza_en.qm \
    usr/share/man/man1/volvenza.1.gz usr/share/man/man1/volvenza-sim.1.gz; do
    [ -e "$root/$f" ] || { echo "missing: /$f"; missing=1; }
done
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/volvenza mimetypes/application-x-volvenza; do
        f="usr/share/icons/hicolor/${size}x${size}/$icon.png"
        [ -e "$root/$f" ] || { echo "missing: /$f"; missing=1; }
    done
done
[ "$missing" -eq 0 ]
echo "Installed size: $(dpkg-deb -f "$deb" Installed-Size) KiB"

# The programs as the menu entry starts them, from the scratch root.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/com.example.volvenza.desktop")
[ "$exec_line" = "volvenza %f" ]
env -u DISPLAY "$root/usr/bin/volvenza" --version | grep -qx "Volvenza [0-9.]*"
"$root/usr/bin/volvenza-sim" example "$work/x.vlz" --export "$work/x.txt"

# The file type against the installed MIME database alone.
export XDG_DATA_HOME="$root/usr/share" XDG_DATA_DIRS="$root/usr/share"
update-mime-database "$root/usr/share/mime"
type=$(xdg-mime query filetype "$work/x.vlz")
[ "$type" = application/x-volvenza ] || { echo "x.vlz is $type"; exit 1; }
echo "Package checked: files in place, x.vlz is $type"
