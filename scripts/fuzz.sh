#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each one for
# a bounded time on its seed corpus. FUZZ_SECONDS sets the time per target
# (60 by default); a crash, a time-out or an exhausted memory fails the run and
# leaves the input in build-fuzz/work/. The seed is fixed so that CI runs
# repeat one another as far as the time bound allows.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TOLVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
targets=(text_fields buttress_text problem_text file_header document drawing_commands cli ini_settings note_texts)

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVANE_BUILD_FUZZ=ON -DTOLVANE_BUILD_TESTS=OFF -DTOLVANE_BUILD_BENCH=OFF
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
status=0
for target in "${targets[@]}"; do
  work="$build/work/$target"
  rm -rf "$work" && mkdir -p "$work/new"
  seeds=("$root/fuzz/corpus/$target")
  [ "$target" = document ] && seeds+=("$root/examples")
  echo "== fuzz_$target : ${seconds} s"
  if ! (cd "$work" && "$build/fuzz/fuzz_$target" -dict="$root/fuzz/tolvane.dict" -max_total_time="$seconds" \
          -rss_limit_mb=2048 -timeout=20 -seed=1 -print_final_stats=1 -artifact_prefix="$work/" \
          "$work/new" "${seeds[@]}" >"$work/log.txt" 2>&1); then
    echo "fuzz_$target a trouvé un défaut :"
    tail -n 40 "$work/log.txt"
    status=1
  else
    grep -E "^stat::number_of_executed_units|^Done [0-9]+ runs" "$work/log.txt" | tail -n 2 || true
  fi
done
exit $status
