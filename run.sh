#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds and starts the program on the last project (on the very
# first start on a copy of the timber-frame wall example). Without a display it says how to use the batch tool.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: the window needs one. Without it, use the batch tool, e.g." \
         "build/bin/hygrolux2-cli calc --text examples/timber-frame-wall.v2p (build/bin/hygrolux2-cli --help lists all commands)."
    exit 1
fi
args=()
if [ ! -e "${XDG_CONFIG_HOME:-$HOME/.config}/Varnholt/Hygrolux 2.4 Pro.conf" ]; then
    # First start: a copy of the example, so that saving never changes the shipped file.
    examples="${XDG_DATA_HOME:-$HOME/.local/share}/Hygrolux2/examples"
    mkdir -p "$examples"
    [ -e "$examples/timber-frame-wall.v2p" ] || cp examples/timber-frame-wall.v2p "$examples/"
    args=("$examples/timber-frame-wall.v2p")
fi
exec build/bin/Hygrolux2 "${args[@]}" "$@"
