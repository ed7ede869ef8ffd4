#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/Hygrolux2 ]; then
    exec build/bin/Hygrolux2 "$@"
fi
echo "The desktop window is not built yet. The calculation core runs through the batch tool hygrolux2-cli;"
echo "here it recalculates the example projects (build/bin/hygrolux2-cli --help lists all commands):"
echo
if compgen -G "examples/*.v2p" >/dev/null; then
    build/bin/hygrolux2-cli calc --text examples/*.v2p
fi
