#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program (only what is missing).
# Further package names given as arguments are installed as well (the fuzz build adds clang).
set -euo pipefail

PACKAGES=(build-essential cmake ninja-build ccache pkg-config
          qtbase5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
          libbenchmark-dev poppler-utils fonts-dejavu-core "$@")

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing missing packages: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
