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
  lintian xdotool xdg-utils         # the release package's checks (scripts/check-release-package.sh)
  poppler-utils                     # the window tests read exported and printed PDFs (pdftotext)
  clang-format-14                   # the formatting check (scripts/check-format.sh)
)
# The Argdown exports are read back by the Argdown parser, which runs on node: the machine's own
# node when it has one, else Debian's.
if ! command -v node >/dev/null; then
  packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} > 0)); then
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
fi

# The Argdown parser at the version tests/argdown/package-lock.json pins, installed when it is
# missing or another version is there.
argdown_dir=$(cd "$(dirname "$0")/../tests/argdown" && pwd)
pinned=$(sed -n 's/^ *"@argdown\/core": "\(.*\)",\{0,1\}$/\1/p' "$argdown_dir/package.json")
installed=$(sed -n 's/^ *"version": "\(.*\)",\{0,1\}$/\1/p' \
  "$argdown_dir/node_modules/@argdown/core/package.json" 2>/dev/null | head -n1 || true)
if [[ $installed != "$pinned" ]]; then
  echo "Installing the Argdown parser $pinned into tests/argdown/node_modules"
  # Only the Argdown check needs it, which is skipped without it: a failure here stops nothing.
  (cd "$argdown_dir" && npm ci --no-audit --no-fund --loglevel=error) ||
    echo "warning: npm could not install the Argdown parser; the Argdown check will be skipped" >&2
fi
