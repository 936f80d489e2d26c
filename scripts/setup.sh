#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian machine. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev libgecode-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-utils fonts-dejavu-core fonts-liberation
  chromium poppler-utils
  qt6-translations-l10n emscripten
  dpkg-dev file lintian desktop-file-utils appstream shared-mime-info libglib2.0-bin bash-completion
)
# Node.js (with npm) may come from another source; only ask Debian for it when it is absent.
command -v npm >/dev/null 2>&1 || PACKAGES+=(nodejs npm)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Browser tests of the published pages: playwright-core drives Debian's chromium.
if [ ! -d tests/web/node_modules/playwright-core ]; then
  (cd tests/web && npm install --no-audit --no-fund --silent)
fi
