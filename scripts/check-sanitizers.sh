#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the whole test suite under them. Leaks inside the
# desktop libraries are suppressed (tests/sanitizers/lsan.supp); any other
# leak, memory error or undefined behaviour fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVENA_SANITIZE=ON \
  -DCORVENA_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build build-sanitize -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize
xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" \
  ctest --output-on-failure --timeout 600 -j "$(nproc)"
