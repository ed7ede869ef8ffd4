#!/usr/bin/env bash
# Checks that every C++ source follows the committed .clang-format; lists the files that do not.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format
unformatted=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted (run clang-format -i on them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "All sources follow .clang-format."
