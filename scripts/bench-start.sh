#!/usr/bin/env bash
# Whole-process start time of the program: from launch to the mapped main window, under a virtual X server,
# on the masonry example, each run with a fresh home and configuration (so nothing cached by an earlier run
# counts). Prints every run and the median of RUNS (default 5) in milliseconds. The program is built in
# BUILD_DIR (default build), or PROGRAM names it; a Release build (BUILD_DIR=build-release) gives the figure
# users see.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
PROGRAM=${PROGRAM:-$PWD/$BUILD_DIR/bin/Hygrolux2}
PROJECT=$PWD/examples/masonry-wall-inside-insulation.v2p
RUNS=${RUNS:-5}

scripts/install-deps.sh xvfb xdotool
[ -x "$PROGRAM" ] || { echo "bench-start: $PROGRAM is not built" >&2; exit 1; }

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

for n in $(seq 150 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
done
[ -n "$XVFB_PID" ] || { echo "bench-start: no virtual display could be started" >&2; exit 1; }

times=()
for run in $(seq "$RUNS"); do
    home=$WORK/home-$run
    mkdir -p "$home"
    start=$(date +%s%N)
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        "$PROGRAM" --no-splash "$PROJECT" >"$home/console.log" 2>&1 &
    APP_PID=$!
    timeout 30 xdotool search --sync --onlyvisible --name "masonry-wall-inside-insulation" >/dev/null
    end=$(date +%s%N)
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
    ms=$(((end - start) / 1000000))
    times+=("$ms")
    echo "run $run: $ms ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((RUNS + 1) / 2))p")
echo "median of $RUNS: $median ms"
