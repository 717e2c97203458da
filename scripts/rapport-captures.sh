#!/bin/sh
# Makes the deliverable report of the realistic example with tolvane-cli and
# pictures its first pages (summary, drawing, note) for the README, with
# pdftoppm (poppler-utils).
#   scripts/rapport-captures.sh [folder]     (default: docs/captures)
set -eu
cd "$(dirname "$0")/.."
dossier=$(realpath -m "${1:-docs/captures}")
[ -d build ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_BUILD_BENCH=OFF
cmake --build build --target tolvane-cli
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
mkdir -p "$dossier"
QT_QPA_PLATFORM=offscreen build/src/app/tolvane-cli note examples/eglise-contreforts.Tolvane \
  --calcul "Contrefort nef C3" --donnees -o "$travail/rapport.pdf" || [ $? -eq 1 ]
pdftoppm -png -r 80 -f 1 -l 3 "$travail/rapport.pdf" "$travail/page"
for n in 1 2 3; do
  cp "$travail/page-$(printf '%02d' "$n").png" "$dossier/rapport-page$n.png" 2>/dev/null ||
    cp "$travail/page-$n.png" "$dossier/rapport-page$n.png"
done
ls -l "$dossier"/rapport-*.png
