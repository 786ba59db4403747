#!/usr/bin/env bash
# Installs the build into a temporary prefix, replaces its plankton plug-in
# by one built the way an outside author builds it (from the SDK's example,
# against that prefix alone), runs the program from there on the demo
# course and checks the course, then builds the Debian packages and shows
# what they hold and depend on.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
prefix="$(mktemp -d /tmp/sim-corvena-prefix.XXXXXX)"
work="$(mktemp -d /tmp/sim-corvena-plugin.XXXXXX)"
trap 'rm -rf "$prefix" "$work"' EXIT
cmake --install build --prefix "$prefix" >/dev/null
program_dir=$prefix/lib/sim-corvena
docs=$prefix/share/doc/sim-corvena-dev
rm "$program_dir/plugins/algen.so"

# With CMake: the example as installed, nothing of the source tree.
cmake -S "$docs/examples/algen" -B "$work/algen" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/algen" -j "$(nproc)" >/dev/null
if grep -rqF "$source_dir" "$work/algen/compile_commands.json" "$work/algen/CMakeFiles/algen.dir/link.txt"; then
  echo "algen.so was built with a path into the source tree" >&2
  exit 1
fi
cmake --install "$work/algen" --prefix "$program_dir" >/dev/null

# With pkg-config: the guide's own example, exactly as it stands there.
awk '/^```cpp$/ { on = 1; next } /^```$/ { if (on) exit } on' "$docs/README.md" > "$work/Wachstum.cpp"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
g++ -shared -fPIC -fvisibility=hidden -o "$work/wachstum.so" "$work/Wachstum.cpp" \
  $(pkg-config --cflags --libs tirsal) \
  -Wl,--no-undefined -Wl,--version-script="$(pkg-config --variable=pluginmap tirsal)"
test "$(nm -D --defined-only "$work/wachstum.so" | awk '{ print $3 }' | sort | tr '\n' ' ')" \
  = "SIM_Get_Option_Keys SIM_Get_Simulation "

"$prefix/bin/corvena" --check "$program_dir/sim_corvena.ini"
CORVENA_INSTALLED_PREFIX="$prefix" build/tests/test_e2e --gtest_filter='Installed.*'
(cd build && cpack -G DEB >/dev/null)
for package in build/sim-corvena_*.deb build/sim-corvena-dev_*.deb; do
  dpkg-deb -I "$package" | grep -E '^ (Package|Version|Depends):'
done
dpkg-deb -c build/sim-corvena-dev_*.deb | awk '{ print $6 }' \
  | grep -E 'include/tirsal/CSim_Window.h|lib/libtirsal.so|tirsalConfig.cmake|tirsal.pc|examples/algen/CMakeLists.txt'
dpkg-deb -c build/sim-corvena_*.deb | awk '{ print $6 }' \
  | grep -E 'plugins/algen.so|sim-corvena/libtirsal.so|sim-corvena/icons/go-back.svg'
# Both menu entries: the program and the class report.
entries=$(dpkg-deb -c build/sim-corvena_*.deb | grep -cE 'applications/sim-corvena(-auswertung)?\.desktop$')
[ "$entries" -eq 2 ] || { echo "menu entries in the package: $entries, expected 2" >&2; exit 1; }
