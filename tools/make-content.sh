#!/usr/bin/env bash
# Regenerates Tildora's whole content pack from source: exercise files,
# letter pictures, yes/no animations, window design pictures (resources/),
# every sound, and docs/contact-sheet.png. The output is committed, so the
# program never needs these tools to run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --content-tools
cmake -S . -B build/contentgen -G Ninja -DTILDORA_BUILD_TESTS=OFF -DTILDORA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/contentgen --target tildora-contentgen tildora-author
author=build/contentgen/tildora-author

rm -rf content/ejercicios content/letrasgifs content/letrasacento content/gifs content/sonidos content/sonidospalabras \
  content/sonidosfrases
mkdir -p content/sonidos content/sonidospalabras content/sonidosfrases docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen build/contentgen/tools/contentgen/tildora-contentgen \
  --words tools/contentgen/palabras.txt --content content --resources resources \
  --contact-sheet docs/contact-sheet.png

# Word and sentence recordings, and every spoken sound, the way tildora-author makes them.
"$author" record --content content content/ejercicios/*.txt >/dev/null

praises=("¡Muy bien!" "¡Excelente!" "¡Genial!" "¡Fantástico!" "¡Estupendo!"
         "¡Perfecto!" "¡Bravo!" "¡Así se hace!" "¡Lo has logrado!" "¡Maravilloso!")
for i in "${!praises[@]}"; do
  "$author" say --speed 140 "content/sonidos/$((i + 1)).wav" "${praises[$i]}"
done

# Mono 16-bit 22050 Hz; no dither, so that the same sources give the same files.
SOX=(sox -V1 -D)
FORMAT=(-r 22050 -c 1 -b 16)
note() {  # note OUT.wav SECONDS NOTE GAIN-DB
  "${SOX[@]}" -n "${FORMAT[@]}" "$1" synth "$2" pluck "$3" fade q 0.005 "$2" 0.04 gain "$4"
}
# A bright rising arpeggio before "it takes a tilde" and "it takes none".
note "$work/n1.wav" 0.11 C5 -6
note "$work/n2.wav" 0.11 E5 -6
note "$work/n3.wav" 0.30 G5 -4
"${SOX[@]}" "$work/n1.wav" "$work/n2.wav" "$work/n3.wav" "$work/chime.wav"
"$author" say --speed 140 "$work/acento.wav" "¡Sí! Lleva tilde."
"${SOX[@]}" "$work/chime.wav" "$work/acento.wav" content/sonidos/acento.wav
"$author" say --speed 140 "$work/noacento.wav" "¡Sí! No lleva tilde."
"${SOX[@]}" "$work/chime.wav" "$work/noacento.wav" content/sonidos/noacento.wav

# A gentle try-again: two soft falling sine notes, well below full scale.
"${SOX[@]}" -n "${FORMAT[@]}" "$work/f1.wav" synth 0.20 sine G4 fade q 0.02 0.20 0.12 gain -10
"${SOX[@]}" -n "${FORMAT[@]}" "$work/f2.wav" synth 0.38 sine E4 fade q 0.02 0.38 0.28 gain -10
"${SOX[@]}" "$work/f1.wav" "$work/f2.wav" content/sonidos/fallo.wav

echo "content pack written: $(find content resources -type f | wc -l) files"
