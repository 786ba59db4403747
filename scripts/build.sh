#!/usr/bin/env bash
# Configures and builds everything into build/ (the program and what it
# loads end up in build/stage/).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build "${launcher[@]}" "$@"
cmake --build build -j "$(nproc)"
