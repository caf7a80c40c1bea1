#!/usr/bin/env bash
# Checks that Tildora installs like a desktop program: the desktop entry and
# AppStream data validate; an install into a temporary prefix, started
# headless (directly and through a symlink), finds its content and draws its
# first word; the manual pages and the README are installed. The Debian
# package is checked by check-package.sh.
#   check-install.sh BUILD-DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi
}

first_word() {  # first_word PROGRAM EXPECTED-CONTENT-FOLDER
  local out
  out=$(QT_QPA_PLATFORM=offscreen TILDORA_QUIT_AFTER_FIRST_WORD=1 timeout 60 "$1" 2>"$work/stderr") || return 1
  echo "   $out"
  [[ "$out" == "tildora: first word drawn: casa (content: $(realpath "$2"))" ]] || return 1
  ! grep -q 'tildora:' "$work/stderr"  # no start-up problem reported
}

check "desktop entry validates" desktop-file-validate data/org.example.tildora.desktop
check "AppStream metainfo validates" appstreamcli validate --no-net --pedantic data/org.example.tildora.metainfo.xml

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check "installed program draws its first word" first_word "$work/prefix/bin/tildora" "$work/prefix/share/tildora"
mkdir -p "$work/elsewhere/bin"
ln -s "$work/prefix/bin/tildora" "$work/elsewhere/bin/tildora"
check "started through a symlink" first_word "$work/elsewhere/bin/tildora" "$work/prefix/share/tildora"
check "sound module installed" test -f "$work/prefix/lib/tildora/tildora-sound.so"
check "every sentence recording installed" \
  diff <(ls content/sonidosfrases) <(ls "$work/prefix/share/tildora/sonidosfrases")
check "some sentence recordings bundled" test -n "$(ls content/sonidosfrases)"
check "installed tildora-author checks the bundled files" \
  "$work/prefix/bin/tildora-author" check "$work/prefix/share/tildora/ejercicios/01-llanas-sin-tilde.txt"
check "tildora-author links no widget library" \
  bash -c "! objdump -p '$work/prefix/bin/tildora-author' | grep -q 'NEEDED.*Widgets'"
check "icons in the hicolor theme" test -f "$work/prefix/share/icons/hicolor/256x256/apps/org.example.tildora.png"

for program in "$work"/prefix/bin/*; do
  name=$(basename "$program")
  check "manual pages of $name installed" test -f "$work/prefix/share/man/man1/$name.1" \
    -a -f "$work/prefix/share/man/es/man1/$name.1"
done
check "README installed beside the licence" test -f "$work/prefix/share/doc/tildora/README.md"

echo "install checks: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
