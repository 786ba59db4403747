#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the program from
# there, then builds the Debian package and shows what it depends on.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="$(mktemp -d /tmp/sim-corvena-prefix.XXXXXX)"
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix"
CORVENA_INSTALLED_PREFIX="$prefix" build/tests/test_e2e --gtest_filter='Installed.*'
(cd build && cpack -G DEB)
# The package carries the program's icons beside it.
dpkg-deb -c build/sim-corvena_*.deb | grep '/usr/lib/sim-corvena/icons/go-back.svg$'
dpkg-deb -I build/sim-corvena_*.deb | grep -E '^ (Package|Version|Depends):'
