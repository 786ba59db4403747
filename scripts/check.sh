#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
# -noreset: the server must not reset while one test program leaves and
# the next one connects.
xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" \
  ctest --output-on-failure --timeout 300 -j "$(nproc)"
