#!/usr/bin/env bash
# How strong are the tests? Applies each slip of tests/slips/ (a small patch
# to one file, the kind of mistake a developer makes: a wrong comparison, a
# dropped branch, a wrong text) to a separate checkout of HEAD, rebuilds
# incrementally, runs the suite and says whether a test failed.
#
#   bash scripts/slips.sh [slip.patch ...]   (default: every tests/slips/*.patch)
#
# Takes minutes: one full build, then per slip one incremental build and the
# suite, cheapest part first (test_logic, test_gui, then the rest through
# ctest), stopping at the first failure. Your working tree is not touched;
# uncommitted changes are not measured. SLIPS_DIR names the checkout
# (default /tmp/sim-corvena-slips); it is kept for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"
work="${SLIPS_DIR:-/tmp/sim-corvena-slips}"
jobs="$(nproc)"

if [ -e "$work/.git" ]; then
  git -C "$work" reset -q --hard
  git -C "$work" checkout -q --detach "$(git rev-parse HEAD)"
else
  rm -rf "$work"
  git worktree add --detach -q "$work" HEAD
fi
trap 'git -C "$work" reset -q --hard' EXIT

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$work" -B "$work/build" -DCORVENA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$work/build" -j "$jobs" >"$work/last-build.txt" 2>&1 \
  || { echo "HEAD does not build: see $work/last-build.txt"; exit 2; }

# Prints the first failing test of the first failing part; fails if one did.
run_suite() {
  local t="$work/build/tests" out="$work/last-run.txt"
  if ! "$t/test_logic" --gtest_brief=1 >"$out" 2>&1; then
    echo "test_logic: $(grep -m1 -o '\[  FAILED  \] [^ ,]*' "$out" | cut -c14-)"
    return 1
  fi
  if ! xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" "$t/test_gui" --gtest_brief=1 >"$out" 2>&1; then
    echo "test_gui: $(grep -m1 -o '\[  FAILED  \] [^ ,]*' "$out" | cut -c14-)"
    return 1
  fi
  # The end-to-end runs, then the checks of the libraries' exports.
  if ! (cd "$work/build" && xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" \
          ctest -LE 'logic|gui' --timeout 300 -j "$jobs" --stop-on-failure >"$out" 2>&1) \
     || ! (cd "$work/build" && ctest -R '^Exports' --timeout 60 >>"$out" 2>&1); then
    echo "ctest: $(grep -m1 -E '^\s+[0-9]+ - ' "$out" | sed 's/^ *[0-9]* - //; s/ (.*//')"
    return 1
  fi
}

echo "Suite on HEAD without slips ..."
if ! run_suite >/dev/null; then
  echo "The suite fails without any slip: see $work/last-run.txt"
  exit 2
fi

if [ $# -gt 0 ]; then
  slips=("$@")
else
  slips=("$source_dir"/tests/slips/*.patch)
fi
caught=0
survived=()
for slip in "${slips[@]}"; do
  name="$(basename "$slip" .patch)"
  what="$(sed -n '1s/^# *//p' "$slip")"
  if ! git -C "$work" apply "$slip" 2>/dev/null; then
    echo "?  $name: does not apply to HEAD any more"
    survived+=("$name (does not apply)")
    continue
  fi
  if ! cmake --build "$work/build" -j "$jobs" >"$work/last-build.txt" 2>&1; then
    echo "?  $name: does not build"
    survived+=("$name (does not build)")
  elif failed="$(run_suite)"; then
    echo "-  $name: SURVIVED  ($what)"
    survived+=("$name")
  else
    echo "+  $name: caught by $failed"
    caught=$((caught + 1))
  fi
  git -C "$work" reset -q --hard
done

total=${#slips[@]}
echo
echo "Caught $caught of $total slips ($((total ? 100 * caught / total : 0)) %)."
for s in "${survived[@]+"${survived[@]}"}"; do
  echo "  not caught: $s"
done
