#!/usr/bin/env bash
# Full-screen screenshots: starts Tildora on a virtual display of the given
# size with --fullscreen, answers the first word right by a click where its
# stressed vowel is seen (scaled), and saves the whole screen.
# Usage: tools/take-fullscreen-shots.sh WIDTHxHEIGHT OUT.png [PROGRAM]
# Needs: xvfb xdotool imagemagick, and a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
size=$1 out=$2 program=${3:-build/tildora}
width=${size%x*} height=${size#*x}
display=:$((300 + RANDOM % 200))
Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
"$program" --fullscreen >/dev/null 2>&1 &
app=$!
sleep 3
# The game scaled as large as it fits, centred; in the 739 x 491 game the
# first word's stressed vowel (casa: the a at position 2) has its middle at (340, 404).
read -r gx gy < <(python3 - "$width" "$height" <<'PY'
import sys
w, h = map(int, sys.argv[1:3]); s = min(w / 739, h / 491)
ox, oy = (w - 739 * s) / 2, (h - 491 * s) / 2
print(int(ox + 340 * s), int(oy + 404 * s))
PY
)
xdotool mousemove "$gx" "$gy" click 1
sleep 1.2
import -window root "$out"
echo "saved $out"
