#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the installed programs find their resources
# and start: the batch tool lists the material database and calculates an example, the desktop program
# prints its help and runs on the example (offscreen) until it is stopped, without an error in its log.
set -euo pipefail
cmake=$1 build=$2 example=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "check-install: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
for file in bin/Hygrolux2 bin/hygrolux2-cli share/applications/hygrolux2.desktop share/mime/packages/hygrolux2.xml \
    share/icons/hicolor/scalable/apps/hygrolux2.svg; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done

home=$prefix/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share QT_QPA_PLATFORM=offscreen
materials=$("$prefix/bin/hygrolux2-cli" materials | wc -l)
[ "$materials" -gt 10 ] || fail "the installed batch tool lists $materials lines of materials"
"$prefix/bin/hygrolux2-cli" calc "$example" >/dev/null || fail "the installed batch tool cannot calculate $example"
"$prefix/bin/hygrolux2-cli" report "$example" --lang de -o "$prefix/report.pdf" ||
    fail "the installed batch tool cannot write a German report (catalogues missing?)"
"$prefix/bin/Hygrolux2" --help >/dev/null || fail "the installed program fails on --help"

status=0
timeout 5 "$prefix/bin/Hygrolux2" --no-splash "$example" >"$home/console.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$home/console.log" >&2; fail "the installed program ended with $status"; }
log=$home/.local/share/Hygrolux2/Hygrolux2.log
[ -s "$log" ] || fail "the installed program wrote no log at $log"
if grep '\[Error' "$log" >&2; then
    fail "error lines in the installed program's log"
fi
echo "check-install: installed programs found their resources and started"
