#!/usr/bin/env bash
# Plays Tildora by hand on a virtual display and keeps screenshots of the
# window after a right and a wrong answer in each mode (docs/screenshots/).
# Needs: xvfb xdotool imagemagick, and a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/tildora}
out=docs/screenshots
mkdir -p "$out"
display=:$((300 + RANDOM % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 0.7
export DISPLAY=$display QT_QPA_PLATFORM=xcb

win_x=0; win_y=0; app=0
start() {
  "$program" >/dev/null 2>&1 &
  app=$!
  sleep 1.5
  local id
  id=$(xdotool search --sync --name '^Tildora 1.1' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  win_x=$X; win_y=$Y
}
stop() { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true; }
click() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) click 1; sleep 0.4; }
shot() { sleep 0.6; import -window root -crop 739x491+${win_x}+${win_y} +repage "$out/$1.png"; }

# Screen place of letter $2 (0-based) of word $1: letters sit edge to edge
# from 8 px inside the strip, the strip centred in the window at y 312.
letter() {
  local word=$1 index=$2 x=8 i w widths=()
  for ((i = 0; i < ${#word}; i++)); do
    widths+=("$(identify -format %w "content/letrasgifs/${word:$i:1}.gif")")
  done
  local strip=8
  for w in "${widths[@]}"; do strip=$((strip + w)); done
  local strip_twips=$((strip * 15 + 100))
  local left=$(((739 * 15 - strip_twips) / 2 / 15))
  for ((i = 0; i < index; i++)); do x=$((x + widths[i])); done
  echo $((left + x + 6)) $((312 + 40 + 50))
}

mode() { click $((76 + 136 * $1)) 110; }   # mode buttons
no_accent() { click 348 240; }
next() { click 212 240; }

start; shot inicio; stop
start; click $(letter casa 1); shot vocal-bien; stop
start; click $(letter casa 0); shot vocal-mal; stop
start; mode 1; click $(letter casa 0); click $(letter casa 1); shot silaba-bien; stop
start; mode 1; click $(letter casa 0); click $(letter casa 2); shot silaba-mal; stop
start; mode 2; no_accent; shot sintilde-bien; stop
start; mode 2; click $(letter casa 1); shot tilde-mal; stop
# árbol, first word of the fourth file: choose it with the arrow keys.
start; xdotool mousemove $((win_x + 100)) $((win_y + 22)) click 1 key Escape key Down key Down key Down; sleep 0.4
mode 2; click $(letter arbol 0); shot tilde-bien; stop
echo "screenshots in $out"
