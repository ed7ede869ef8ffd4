#!/usr/bin/env bash
# Smoke test of the real window: starts the built program under a virtual X server on every example project,
# each run with a private home directory, waits for the window titled with the file name, saves a screenshot
# into build/screenshots/ (the layer editor shown at start, then the climate editor after a click on the
# warm-side column; on the first example also the database dialog, the report preview and the new project
# wizard, and the report preview in every other language), quits through the File menu by keyboard and requires exit code 0 and no error line
# in the program's log file. Screen sizes: GUI_SMOKE_SIZES (default "1280x800 1920x1080"); languages:
# GUI_SMOKE_LANGS (default "en de"; screenshots of a language other than English carry its id in the name).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
PROGRAM=$PWD/$BUILD_DIR/bin/Hygrolux2
SHOTS=$PWD/$BUILD_DIR/screenshots
SIZES=${GUI_SMOKE_SIZES:-"1280x800 1920x1080"}
LANGS=${GUI_SMOKE_LANGS:-"en de"}

scripts/install-deps.sh xvfb xdotool x11-apps netpbm
[ -x "$PROGRAM" ] || { echo "gui-smoke: $PROGRAM is not built" >&2; exit 1; }
mkdir -p "$SHOTS"

WORK=$(mktemp -d)
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "gui-smoke: $*" >&2
    exit 1
}

start_display() {
    local size=$1
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    fail "no virtual display could be started"
}

# Waits for the visible window whose title contains the given text; prints its id.
wait_for_window() {
    local title=$1 pid=$2
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || return 1
        xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 && return 0
        sleep 0.2
    done
    return 1
}

# Opens the material and construction database from the Edit menu by keyboard (the fifth item from the end),
# saves a screenshot of both tabs (the first construction selected) and closes the dialog again.
shoot_databases() {
    local window=$1 pid=$2 size=$3 dialog
    xdotool windowfocus --sync "$window" key --delay 150 alt+e Up Up Up Up Up Return
    dialog=$(wait_for_window "Material/Construction Database" "$pid") || fail "the database dialog did not open"
    sleep 1
    screenshot_window "$dialog" "$SHOTS/materials-$size.png"
    xdotool windowfocus --sync "$dialog" key ctrl+Tab
    sleep 1
    screenshot_window "$dialog" "$SHOTS/constructions-$size.png"
    xdotool windowfocus --sync "$dialog" key Escape
    sleep 0.5
    echo "gui-smoke: database dialog at $size: screenshots materials-$size.png and constructions-$size.png"
}

# Opens the report preview from the File menu by keyboard, saves a screenshot of it and closes it again.
shoot_report() {
    local window=$1 pid=$2 size=$3 lang=$4 dialog shot=report-preview
    [ "$lang" = en ] || shot="$shot-$lang"
    xdotool windowfocus --sync "$window" key --delay 150 "$(file_menu_key "$lang")" Down Down Down Down Down Return
    dialog=$(wait_for_window "$(report_title "$lang")" "$pid") || fail "the report preview did not open ($lang)"
    sleep 2 # the preview lays the report out
    screenshot_window "$dialog" "$SHOTS/$shot-$size.png"
    xdotool windowfocus --sync "$dialog" key Escape
    sleep 0.5
    echo "gui-smoke: report preview at $size: screenshot $shot-$size.png"
}

# Starts a new project from the File menu, saves a screenshot of both wizard pages and cancels. The window
# then has no project.
shoot_wizard() {
    local window=$1 pid=$2 size=$3 dialog
    xdotool windowfocus --sync "$window" key --delay 150 alt+f Return
    dialog=$(wait_for_window "New Project Wizard" "$pid") || fail "the new project wizard did not open"
    sleep 1
    screenshot_window "$dialog" "$SHOTS/wizard-information-$size.png"
    xdotool windowfocus --sync "$dialog" key alt+n
    sleep 1
    screenshot_window "$dialog" "$SHOTS/wizard-material-$size.png"
    xdotool windowfocus --sync "$dialog" key Escape
    sleep 0.5
    echo "gui-smoke: new project wizard at $size: screenshots wizard-information-$size.png, wizard-material-$size.png"
}

screenshot() {
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$1"
}

# Dialogs are captured as windows of their own: without a window manager the root window shows them over
# parts of the main window, wherever they happened to open.
screenshot_window() {
    xwd -id "$1" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$2"
}

# The File menu's accelerator key in each language.
file_menu_key() {
    case $1 in
    de) echo alt+d ;;
    *) echo alt+f ;;
    esac
}

# The report preview's title in each language.
report_title() {
    case $1 in
    de) echo Berichtsvorschau ;;
    *) echo "Report Preview Dialog" ;;
    esac
}

run_example() {
    local project=$1 size=$2 lang=$3
    local name home window status shot
    name=$(basename "$project")
    shot=${name%.v2p}
    [ "$lang" = en ] || shot="$shot-$lang"
    home="$WORK/home-$shot-$size"
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        "$PROGRAM" --no-splash --lang="$lang" "$PWD/$project" >"$home/console.log" 2>&1 &
    local pid=$!
    window=$(wait_for_window "$name" "$pid") || { cat "$home/console.log" >&2; fail "$name: no window titled with the file name"; }
    sleep 1.5 # let the window lay out and paint
    screenshot "$SHOTS/$shot-$size.png"
    # The warm-side column sits at the same place below menu and toolbar at every window size.
    xdotool mousemove --window "$window" 25 150 click 1
    sleep 0.5
    screenshot "$SHOTS/$shot-climate-$size.png"
    if [ "$project" = "$FIRST_EXAMPLE" ] && [ "$lang" = en ]; then
        shoot_databases "$window" "$pid" "$size"
        shoot_report "$window" "$pid" "$size" "$lang"
        shoot_wizard "$window" "$pid" "$size"
    elif [ "$project" = "$FIRST_EXAMPLE" ]; then
        shoot_report "$window" "$pid" "$size" "$lang" # the report in the window's language
    fi
    # Quit as a user would without a mouse: File menu, last entry.
    xdotool windowfocus --sync "$window" key --delay 150 "$(file_menu_key "$lang")" Up Return
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        fail "$name: the window did not close"
    fi
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { cat "$home/console.log" >&2; fail "$name: exit code $status"; }
    local log="$home/.local/share/Hygrolux2/Hygrolux2.log"
    [ -s "$log" ] || fail "$name: no log file at $log"
    # The report font need not be installed on the test machine; the report then logs the substitute.
    if grep '\[Error' "$log" | grep -qv "Font family for default font doesn't exist"; then
        grep '\[Error' "$log" >&2
        fail "$name: error lines in the log"
    fi
    echo "gui-smoke: $name ($lang) at $size: window shown, screenshot $SHOTS/$shot-$size.png, closed with exit code 0"
}

FIRST_EXAMPLE=$(ls examples/*.v2p | head -n 1)
for size in $SIZES; do
    start_display "$size"
    for lang in $LANGS; do
        for project in examples/*.v2p; do
            run_example "$project" "$size" "$lang"
        done
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
done
