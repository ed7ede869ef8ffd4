#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh -DHYGROLUX_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)" --timeout 600
