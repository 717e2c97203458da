#!/usr/bin/env bash
# Installs what is missing, builds and launches Tolvane, with the document given, if any.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/ensure-deps.sh"
"$root/scripts/build.sh"
build="${TOLVANE_BUILD_DIR:-$root/build}"
exec "$build/src/app/tolvane" "$@"
