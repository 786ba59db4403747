#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running
# Sim-Corvena need. Does nothing when all of them are present. Run as root.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  clang libclang-rt-14-dev
  libwxgtk3.2-dev libgtk-3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file
  xvfb xauth xdotool imagemagick openbox
  adwaita-icon-theme fonts-dejavu-core xdg-utils wx3.2-i18n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Fehlende Pakete: ${missing[*]}" >&2
  echo "Bitte als root ausführen: bash scripts/setup.sh" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
