#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch root and checks that it holds the
# programs, resources, desktop entry, icon and project file types under /usr, depends on the Qt runtime, and
# that the unpacked batch tool finds its resources and calculates an example.
set -euo pipefail
build=$1 example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-deb: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/Hygrolux2 usr/bin/hygrolux2-cli usr/share/applications/hygrolux2.desktop \
    usr/share/icons/hicolor/scalable/apps/hygrolux2.svg usr/share/mime/packages/hygrolux2.xml \
    usr/share/hygrolux2/resources; do
    [ -e "$work/root/$file" ] || fail "$file is not in the package"
done
[ ! -e "$work/root/usr/bin/resources" ] || fail "the package puts resources into /usr/bin"
dpkg-deb -f "$deb" Depends | grep -q libqt5widgets5 || fail "the package does not depend on the Qt runtime"
grep -q '^MimeType=.*application/x-hygrolux2-project' "$work/root/usr/share/applications/hygrolux2.desktop" ||
    fail "the desktop entry does not claim the project files"

home=$work/home
mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share QT_QPA_PLATFORM=offscreen
"$work/root/usr/bin/hygrolux2-cli" calc "$example" >"$work/calc.json" ||
    fail "the packaged batch tool cannot calculate $example"
grep -q '"criteria"' "$work/calc.json" || fail "the packaged batch tool printed no criteria"
[ "$("$work/root/usr/bin/hygrolux2-cli" materials | wc -l)" -gt 10 ] ||
    fail "the packaged batch tool finds no material database"
echo "check-deb: $(basename "$deb") installs under /usr and its batch tool runs"
