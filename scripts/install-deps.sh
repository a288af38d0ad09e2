#!/usr/bin/env bash
# Installs, from Debian's packages, everything Tovarel Pro needs to build, test, fuzz and run.
# Idempotent: packages already present are skipped without touching apt.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  qt6-webengine-dev qt6-webengine-dev-tools
  qt6-image-formats-plugins qt6-qpa-plugins libqt6svg6
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev
  libtidy-dev
  wamerican wbritish wcanadian wngerman wfrench wspanish
  clang libclang-rt-14-dev clang-format
  xvfb xauth imagemagick
  desktop-file-utils appstream lintian dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
