#!/usr/bin/env bash
# Configures and builds into build/ (or the directory given in BUILD_DIR). CMake's configure output goes to
# BUILD_DIR/configure.log; it is printed when configuring fails.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/hygrolux-ccache}
export CCACHE_BASEDIR=$PWD
mkdir -p "$BUILD_DIR"
configure_log="$BUILD_DIR/configure.log"
if ! cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >"$configure_log" 2>&1; then
    cat "$configure_log"
    echo "Configuring failed; the output above is kept in $configure_log" >&2
    exit 1
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
