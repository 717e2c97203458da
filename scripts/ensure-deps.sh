#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and the machine
# does not have yet. Safe to run again: it installs nothing when all is there.
set -euo pipefail

packages=(locales g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev
          qt6-translations-l10n libgl-dev libgtest-dev libbenchmark-dev xvfb xauth
          desktop-file-utils shared-mime-info)
# The tests of the PDF report read it back with pdfinfo, pdftotext and pdftoppm.
packages+=(poppler-utils)
# The fonts of a typical desktop (Ghostscript's URW fonts come with most of
# them): the tests must pass with them as with the bare fonts the build brings.
packages+=(fonts-dejavu-core fonts-urw-base35)
case "${1:-}" in
  --with-tools) packages+=(poppler-utils) ;;
  # clang with its sanitizer and libFuzzer runtimes, for the sanitizer build and the fuzz runs.
  --with-sanitizers) packages+=(clang libclang-rt-14-dev) ;;
  # bench.sh reads the benchmarks' figures and prints its table with python3.
  --with-bench) packages+=(python3) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

# The tests check that numbers keep their point under a French locale: the
# locale must exist on the machine.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  echo "Création de la locale fr_FR.UTF-8 pour les tests"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" localedef -i fr_FR -f UTF-8 fr_FR.UTF-8 || echo "Attention : locale fr_FR.UTF-8 non créée"
fi
