#!/usr/bin/env bash
# Fuzzes every reader of course input: builds the libFuzzer targets of
# tests/fuzz/ with clang into build-fuzz/ (the window-free libraries and the
# targets, nothing with a window) and runs each for the given number of
# seconds (default 15), starting from inputs taken from the demo course.
#
#   bash scripts/fuzz.sh [seconds]
#
# A crash, a broken reader promise, undefined behaviour, an input that takes
# longer than the time-out or a memory blow-up fails the run; the input that
# did it is kept in build-fuzz/runs/<target>/. Nothing is written into the
# source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
bash scripts/setup.sh
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVENA_FUZZ=ON -DCORVENA_BUILD_TESTS=OFF -DCORVENA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzz_targets -j "$(nproc)"

top=$PWD
runs=$top/build-fuzz/runs
rm -rf "$runs"

# Copies files into a target's starting corpus.
seed() {
  local dir=$runs/$1/corpus
  shift
  mkdir -p "$dir"
  local f
  for f in "$@"; do
    [ -f "$f" ] && cp "$f" "$dir/$(echo "${f#"$top"/}" | tr / _)"
  done
  return 0
}

# Writes each value of the lines matched by an awk condition into a file of
# its own in a target's corpus.
seed_values() {
  local target=$1 condition=$2
  shift 2
  local dir=$runs/$target/corpus
  mkdir -p "$dir"
  awk -v dir="$dir" "
    /^\\[/ { in_answers = (\$0 ~ /\\/Answers\\]/) }
    $condition { sub(/^[^=]*=/, \"\"); sub(/\\r\$/, \"\"); n++; f = dir \"/value\" n; printf \"%s\", \$0 > f; close(f) }
  " "$@"
}

shopt -s globstar nullglob
course=("$top"/course/**/*)
ini=("$top"/course/**/*.ini "$top"/course/sim_corvena.ini.in)
exercises=("$top"/course/uebungen/*.ini "$top"/course/selbsttest/*.ini)
pages=("$top"/course/**/*.htm "$top"/course/**/*.html)
glossaries=("$top"/course/**/*.txt)

seed config "${ini[@]}"
seed exercise_file "${exercises[@]}"
seed_values answer_code 'in_answers && /=/' "${exercises[@]}"
seed glossary "${glossaries[@]}"
seed link_rewriting "${pages[@]}" "${glossaries[@]}" "$top"/tests/fuzz/seeds/link_rewriting/*
seed option_string "$top"/tests/fuzz/seeds/option_string/*
seed_values option_string '/^Simulation_Opts=/' "${ini[@]}"
seed text_codec "${ini[@]}" "${glossaries[@]}" "${pages[@]}"
seed record_reader "$top"/tests/fuzz/seeds/record_reader/*

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
passed=0
failed=0
for target in config exercise_file answer_code glossary link_rewriting option_string text_codec record_reader; do
  work=$runs/$target
  mkdir -p "$work/tmp"
  # Inputs up to 64 KiB: large enough that quadratic work shows as a
  # time-out, small enough for many runs per second.
  if (cd "$work" && TMPDIR="$work/tmp" "$top/build-fuzz/fuzz/fuzz_$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$work/" -print_final_stats=1 corpus >"$work/log.txt" 2>&1); then
    runs_done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt")
    echo "fuzz_$target: ${runs_done:-?} runs in ${seconds} s, nothing found"
    passed=$((passed + 1))
  else
    echo "fuzz_$target: FOUND SOMETHING (input kept in $work/):"
    grep -v '^#' "$work/log.txt" | tail -n 40
    status=1
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
