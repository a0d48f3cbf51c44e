#!/usr/bin/env bash
# Makes docs/wingmap.png: the real window under Xvfb with the b limit checked
# and ten clicks on the right arrows of F and of G: a cambered profile.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
wingmap_install_missing xdotool imagemagick
wingmap_build build >/dev/null

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 800x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 0.5
build/wingmap 2>/dev/null &
app=$!
window=$(xdotool search --sync --name 'Wingmap - Joukowsky Transformation' | head -n 1)
sleep 0.5

# Check1, then the right arrows of the F and G scroll bars, in window pixels
# below the menu bar.
menu=$(( $(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\)/\1/p') - 310 ))
xdotool mousemove --window "$window" 215 $((menu + 272)) click 1
for _ in $(seq 10); do
    xdotool mousemove --window "$window" 155 $((menu + 248)) click 1
    xdotool mousemove --window "$window" 155 $((menu + 264)) click 1
done
sleep 0.5
import -window "$window" docs/wingmap.png
echo "docs/wingmap.png written"
