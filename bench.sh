#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release (in build-bench/,
# apart from the tests' build), runs them all and prints one table: measure,
# figure, budget, verdict. The figures are noisy on a busy machine; the
# budgets are ratios within the run wherever a floor exists.
#   ./bench.sh [--strict]    --strict: exit status 1 when a budget is missed
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/ensure-deps.sh" --with-bench
build="${TOLVANE_BENCH_BUILD_DIR:-$root/build-bench}"
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVANE_BUILD_BENCH=ON \
        -DTOLVANE_BUILD_TESTS=OFF "${launcher[@]}"
fi
cmake --build "$build" --target tolvane_benchmarks -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
results="$build/bench-results"
mkdir -p "$results"
rm -f "$results"/*.json
for exe in "$build"/bench/bench_*; do
  name="$(basename "$exe")"
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  echo "… $name" >&2
  case "$name" in
    bench_demarrage) "$exe" 15 > "$results/$name.json" ;;
    # The PDF note at 20 000 sections takes minutes: it has its own figure.
    bench_note_pdf) "$exe" --benchmark_filter='BM_NotePdf/(100|1000)/' --benchmark_format=json > "$results/$name.json" ;;
    *) "$exe" --benchmark_min_time=0.2 --benchmark_format=json > "$results/$name.json" ;;
  esac
done
echo >&2
python3 "$root/scripts/bench-table.py" "$results"/*.json "$@"
