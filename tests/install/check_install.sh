#!/usr/bin/env bash
# Installs the built program into a temporary prefix and packages it with
# cpack, then checks what a desktop would find: the program, a valid desktop
# entry, the icon, and a Debian package that holds the same, declares its
# Qt run-time dependencies and recommends Qt's translations. The package must pass lintian and the AppStream
# validator, carry an icon of each size, and hold a hardened binary with no
# RUNPATH. Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in bin/wingmap share/applications/wingmap.desktop \
    share/icons/hicolor/scalable/apps/wingmap.svg; do
    [ -f "$work/prefix/$file" ] || { echo "FAIL: $file not installed"; exit 1; }
done
[ -x "$work/prefix/bin/wingmap" ] || { echo "FAIL: bin/wingmap is not executable"; exit 1; }
desktop-file-validate "$work/prefix/share/applications/wingmap.desktop"
grep -q '^Exec=wingmap$' "$work/prefix/share/applications/wingmap.desktop"
grep -q '<svg' "$work/prefix/share/icons/hicolor/scalable/apps/wingmap.svg"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/wingmap_*.deb)
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/wingmap ./usr/share/applications/wingmap.desktop \
    ./usr/share/icons/hicolor/scalable/apps/wingmap.svg \
    ./usr/share/metainfo/invalid.wingmap.wingmap.metainfo.xml ./usr/share/man/man1/wingmap.1.gz \
    ./usr/share/doc/wingmap/copyright ./usr/share/doc/wingmap/changelog.gz; do
    grep -q " $file\$" <<<"$contents" || { echo "FAIL: $file not in the package"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$package" <<<"$depends" || { echo "FAIL: Depends lacks $package: $depends"; exit 1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = qt6-translations-l10n ] ||
    { echo "FAIL: Recommends is '$recommends', not qt6-translations-l10n"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
for size in 16 32 48 64 128 256; do
    file "$work/root/usr/share/icons/hicolor/${size}x$size/apps/wingmap.png" |
        grep -q "PNG image data, $size x $size," || { echo "FAIL: no ${size}x$size PNG icon"; exit 1; }
done
dynamic=$(readelf -d "$work/root/usr/bin/wingmap")
if grep -q 'RUNPATH\|RPATH' <<<"$dynamic" || ! grep -q 'BIND_NOW' <<<"$dynamic"; then
    echo "FAIL: the binary has a RUNPATH or lacks BIND_NOW:"; echo "$dynamic"; exit 1
fi
lintian --fail-on error,warning "$deb" 2>/dev/null || { echo "FAIL: lintian"; exit 1; }
report=$(appstreamcli validate-tree --no-net "$work/root") ||
    { echo "$report"; echo "FAIL: AppStream metadata"; exit 1; }
echo "1 passed, 0 failed"
