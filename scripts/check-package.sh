#!/usr/bin/env bash
# Builds the Debian package the Debian way in a temporary copy of the tree,
# lints it, installs it with apt, starts the installed tildora headless until it
# draws its first word, purges it and checks that nothing is left behind.
# Needs root (or sudo) for apt; refuses to touch a tildora already installed.
#   check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
work=$(mktemp -d)
sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
installed_by_us=()
cleanup() {
  if [[ ${#installed_by_us[@]} -gt 0 ]]; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -q "${installed_by_us[@]}" >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
passed=0 failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi
}

# Lintian tags that may show, each with its reason. Any other tag, and any
# error or warning, fails. Tags judged harmless for good are overridden, with
# their reasons, in debian/tildora.lintian-overrides.
allowed_tags=(
)

if dpkg-query -W -f='${Status}' tildora 2>/dev/null | grep -q 'install ok installed'; then
  echo "check-package: tildora is installed on this machine; remove it first (this check installs and purges it)"
  exit 1
fi

echo "== building the package in $work"
mkdir "$work/tildora"
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # What a clean checkout holds, with the changes not yet committed.
  git -C "$src" ls-files -z --cached --others --exclude-standard \
    | (cd "$src" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) \
    | tar -C "$src" --null -T - -cf - | tar -C "$work/tildora" -xf -
else
  tar -C "$src" --exclude=./build -cf - . | tar -C "$work/tildora" -xf -
fi
if ! (cd "$work/tildora" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1); then
  tail -n 60 "$work/build.log"
  echo "FAILED: dpkg-buildpackage (log above)"
  exit 1
fi
grep -E '^[0-9]+% tests passed|tests passed, ' "$work/build.log" || true
deb=$(ls "$work"/tildora_*_*.deb)
echo "   built $(basename "$deb")"

echo "== lintian"
lintian --display-info --pedantic --tag-display-limit 0 "$work"/*.changes >"$work/lintian.txt" 2>&1 || true
sed 's/^/   /' "$work/lintian.txt"
check "lintian gives no error or warning" bash -c "! grep -qE '^[EW]: ' '$work/lintian.txt'"
unexpected=$(grep -E '^[EWIPX]: ' "$work/lintian.txt" | awk '{print $3}' | sort -u \
             | grep -vxF -f <(printf '%s\n' "${allowed_tags[@]}" ) || true)
check "lintian gives no tag outside the allowed list" test -z "$unexpected"
[[ -z "$unexpected" ]] || echo "   not allowed: $unexpected"

echo "== installing"
dpkg-query -W -f='${Package}\n' | sort >"$work/before"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; echo "FAILED: apt-get install"; exit 1; }
dpkg-query -W -f='${Package}\n' | sort >"$work/after"
mapfile -t installed_by_us < <(comm -13 "$work/before" "$work/after")
echo "   installed: ${installed_by_us[*]}"
dpkg -L tildora >"$work/files"

sentence=$(ls "$src/content/sonidosfrases" | head -n 1 || true)  # any of the bundled sentences' recordings
for f in /usr/bin/tildora /usr/bin/tildora-author /usr/share/tildora/ejercicios/01-llanas-sin-tilde.txt \
         /usr/share/tildora/letrasgifs/a.gif /usr/share/tildora/sonidospalabras/casa.wav \
         "/usr/share/tildora/sonidosfrases/$sentence" \
         /usr/share/applications/org.example.tildora.desktop /usr/share/metainfo/org.example.tildora.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/org.example.tildora.png /usr/share/doc/tildora/copyright \
         /usr/share/doc/tildora/README.md; do
  check "package holds $f" grep -qxF "$f" "$work/files"
done
if [[ -f "$work/tildora/app/editor/CMakeLists.txt" ]]; then
  check "package holds tildora-editor" grep -qxF /usr/bin/tildora-editor "$work/files"
fi
check "sound module in a private folder" grep -qE '^/usr/lib/([a-z0-9_-]+/)?tildora/tildora-sound\.so$' "$work/files"
for program in $(grep -E '^/usr/bin/.' "$work/files"); do
  name=$(basename "$program")
  check "manual page of $name" grep -qxF "/usr/share/man/man1/$name.1.gz" "$work/files"
  check "Spanish manual page of $name" grep -qxF "/usr/share/man/es/man1/$name.1.gz" "$work/files"
done
check "package holds nothing of the tests" bash -c "! grep -qE 'tst_|bench|contentgen' '$work/files'"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6gui6 libqt6multimedia6 libgif7 libhunspell; do
  check "package depends on $p" grep -q "$p" <<<"$depends"
done

first_word() {  # the installed program, with a home of its own
  local out
  out=$(HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/home" \
        QT_QPA_PLATFORM=offscreen TILDORA_QUIT_AFTER_FIRST_WORD=1 timeout 60 tildora 2>"$work/stderr") || return 1
  echo "   $out"
  [[ "$out" == "tildora: first word drawn: casa (content: /usr/share/tildora)" ]] || return 1
  ! grep -q 'tildora:' "$work/stderr"  # no start-up problem reported
}
mkdir -p "$work/home" && chmod 700 "$work/home"
check "installed tildora draws its first word" first_word
check "installed tildora-author checks the bundled files" \
  tildora-author check --no-dictionary /usr/share/tildora/ejercicios/01-llanas-sin-tilde.txt
if command -v man >/dev/null; then
  check "man finds the manual page" test "$(man -w tildora)" = /usr/share/man/man1/tildora.1.gz
  check "man finds the Spanish manual page" \
    test "$(LC_ALL=C.UTF-8 LANGUAGE=es man -w tildora)" = /usr/share/man/es/man1/tildora.1.gz
fi

echo "== purging"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -q "${installed_by_us[@]}" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; echo "FAILED: apt-get purge"; exit 1; }
installed_by_us=()
check "dpkg knows the package no more" bash -c "! dpkg-query -W tildora >/dev/null 2>&1"
left=$(while read -r f; do if [[ -e "$f" && ! -d "$f" ]]; then echo "$f"; fi; done <"$work/files")
check "no file of the package left behind" test -z "$left"
[[ -z "$left" ]] || echo "   left: $left"
check "no folder of the package left behind" \
  bash -c '! ls -d /usr/share/tildora /usr/lib/tildora /usr/lib/*/tildora /usr/share/doc/tildora 2>/dev/null | grep -q .'
dpkg-query -W -f='${Package}\n' | sort >"$work/end"
check "the machine holds the packages it held before" cmp -s "$work/before" "$work/end"

echo "package checks: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
