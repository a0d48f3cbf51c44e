#!/usr/bin/env bash
# Renders app/wingmap.svg into the PNG icons under app/icons/hicolor/, one for
# each size desktops ask for. The PNGs are committed: run this after changing
# the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
wingmap_install_missing librsvg2-bin

for size in 16 32 48 64 128 256; do
    dir=app/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --output "$dir/wingmap.png" app/wingmap.svg
done
echo "app/icons/hicolor/*/apps/wingmap.png written"
