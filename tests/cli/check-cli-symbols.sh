#!/usr/bin/env bash
# Fails when the batch tool holds the application frame (settings, globals) or the main window's widgets:
# they would drag the desktop program's state into a tool that must run from its arguments alone.
set -euo pipefail
binary=$1
found=$(nm -C "$binary" | grep -E '(^|[^[:alnum:]_])(Settings|Globals|DiagramView|V2_ResultsWidget)::' || true)
if [ -n "$found" ]; then
    echo "$binary holds symbols it must not:"
    echo "$found" | head -20
    exit 1
fi
echo "$binary holds no settings, globals or widget symbols"
