#!/bin/sh
# Takes the README's pictures of the real application, under a virtual X
# display, on a copy of the realistic example: the general page and the page
# of the first calculation. The settings of the run go to a temporary folder.
#   scripts/screenshots.sh [folder]     (default: docs/captures)
set -eu
cd "$(dirname "$0")/.."
dossier=$(realpath -m "${1:-docs/captures}")
[ -d build ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_BUILD_BENCH=OFF
cmake --build build --target tolvane
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cp examples/eglise-contreforts.Tolvane "$travail/"
XDG_CONFIG_HOME="$travail/config" TOLVANE_CAPTURES="$dossier" \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/src/app/tolvane "$travail/eglise-contreforts.Tolvane"
ls -l "$dossier"
