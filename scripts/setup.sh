#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Palaver need, but only those
# that are missing. Runs as root (or through sudo when it is available).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  clang libclang-rt-14-dev          # the fuzz harnesses (libFuzzer) and their sanitizers
  libgtest-dev libgmock-dev         # unit tests
  libbenchmark-dev                  # benchmarks
  qt6-base-dev qt6-svg-dev libgl-dev  # the window, the renderer and palaver-cli
  qt6-translations-l10n             # Qt's own Dutch: message-box buttons, file dialogs
  xvfb xauth fonts-dejavu-core      # headless runs, screenshots, and a font for the drawings
  dpkg-dev file                     # packaging (cpack's Debian generator)
  desktop-file-utils shared-mime-info groff-base  # checks of the installed desktop files
  graphviz                          # the export tests draw the Graphviz output
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if ((EUID != 0)); then
  if command -v sudo >/dev/null; then
    sudo_cmd=(sudo)
  else
    echo "Missing packages (${missing[*]}); run this script as root to install them." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
