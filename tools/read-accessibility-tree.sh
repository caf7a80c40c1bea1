#!/usr/bin/env bash
# Reads Tildora's accessibility tree as a screen reader or switch-access
# program sees it (AT-SPI over D-Bus), on a virtual display, and presses one
# control through its Press action to show that it answers.
# Usage: tools/read-accessibility-tree.sh [LANG] [NAME-TO-PRESS] [PROGRAM]
#   e.g. tools/read-accessibility-tree.sh es_ES.UTF-8 "letra a, 2"
# Needs: xvfb dbus at-spi2-core python3-pyatspi, and a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
lang=${1:-en_US.UTF-8} press=${2:-} program=${3:-build/tildora}
display=:$((600 + RANDOM % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display PRESS=$press
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  LANG='"$lang"' LANGUAGE= QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb '"$program"' --no-results >/dev/null 2>&1 &
  sleep 3
  /usr/bin/python3 - <<PY
import os, time, pyatspi
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and (a.name or "").lower() == "tildora")
def walk(a, depth=0):
    yield a, depth
    for i in range(a.childCount):
        yield from walk(a.getChildAtIndex(i), depth + 1)
def show():
    for a, depth in walk(app):
        if a.getRoleName() != "list item":
            print("  " * depth + f"[{a.getRoleName()}] {a.name!r} {a.description!r}")
show()
press = os.environ.get("PRESS")
if press:
    target = next(a for a, _ in walk(app) if a.getRoleName() == "push button" and a.name.startswith(press))
    print("== pressing", repr(target.name))
    target.queryAction().doAction(0)
    time.sleep(1)
    show()
PY
' 2>&1 | grep -v '^dbus-daemon'
