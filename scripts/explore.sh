#!/usr/bin/env bash
# Runs the exploration of the editing stack for longer than the test suite
# does: seed after seed, each for many steps, until the time is up. Prints the
# seed of any failure; replay it with
#   TOLVANE_EXPLORATION_GRAINE=<seed> TOLVANE_EXPLORATION_PAS=<steps> \
#     build/tests/frame/test_frame_gui --gtest_filter='ExplorationEdition.*'
# Usage: scripts/explore.sh [--minutes N] [--pas N] [--depuis SEED]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TOLVANE_BUILD_DIR:-$root/build}"
minutes=30
pas=2000
graine=1000
while [ $# -gt 0 ]; do
  case "$1" in
    --minutes) minutes="$2"; shift 2 ;;
    --pas) pas="$2"; shift 2 ;;
    --depuis) graine="$2"; shift 2 ;;
    *) echo "option inconnue : $1" >&2; exit 2 ;;
  esac
done
"$root/scripts/build.sh" >/dev/null
export QT_QPA_PLATFORM=offscreen
fin=$(( $(date +%s) + minutes * 60 ))
graines=0; echecs=0; debut=$(date +%s)
while [ "$(date +%s)" -lt "$fin" ]; do
  statut=0
  TOLVANE_EXPLORATION_GRAINE="$graine" TOLVANE_EXPLORATION_PAS="$pas" \
    "$build/tests/frame/test_frame_gui" --gtest_filter='ExplorationEdition.*' >"/tmp/exploration-$graine.log" 2>&1 || statut=$?
  if [ "$statut" -ne 0 ]; then
    echo "ÉCHEC graine $graine, statut $statut (journal : /tmp/exploration-$graine.log)"
    echecs=$((echecs + 1))
  else
    rm -f "/tmp/exploration-$graine.log"
  fi
  graines=$((graines + 1)); graine=$((graine + 1))
done
echo "$graines graines de $pas pas en $(( $(date +%s) - debut )) s : $echecs échec(s)"
[ "$echecs" -eq 0 ]
