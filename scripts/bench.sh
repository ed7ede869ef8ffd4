#!/usr/bin/env bash
# Builds the calculation and main window benchmarks in Release (into build-release, or BUILD_DIR) and runs them, printing
# Google Benchmark's table with mean, median and spread of 5 repetitions. Further arguments go to the
# benchmark program, e.g. --benchmark_filter=long.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-release}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/hygrolux-ccache}
export CCACHE_BASEDIR=$PWD
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHYGROLUX_BUILD_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" --target hygrolux_bench hygrolux_gui_bench -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
"$BUILD_DIR/bin/hygrolux_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
"$BUILD_DIR/bin/hygrolux_gui_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
