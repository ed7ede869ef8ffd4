#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/Hygrolux2 ]; then
    exec build/bin/Hygrolux2 "$@"
fi
echo "The desktop program is not built yet: so far the support library and the calculation core exist."
echo "They are exercised by the test suite; run ./test.sh to see them work."
