#!/usr/bin/env bash
# Installs what is needed, builds, and starts Sim-Corvena on the demo course.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec build/stage/corvena
