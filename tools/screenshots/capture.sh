#!/usr/bin/env bash
# Shows the program's windows under Xvfb with a window manager and saves a
# picture of the main window (start, with a file, results, a stopped run
# with a failed, a repaired and unreached files), of each dialog and of the
# messages of a run, a save and a failed update download, on displays of
# 96, 100, 110, 120 and 144 DPI (the program lays them out at the scales
# 1.0, 1.0, 1.25, 1.25 and 1.5), in all eleven languages
# (PICTAVO_CAPTURE_LANGUAGES and PICTAVO_CAPTURE_DPIS choose fewer):
#     bash tools/screenshots/capture.sh [output folder] [build folder]
# Needs Xvfb and the openbox window manager (apt-get install xvfb openbox);
# nothing else in the project uses openbox, so it is this script's own
# requirement. Pictures go to <build folder>/screenshots/<DPI> by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$root/build}
out=${1:-$build/screenshots}
languages=${PICTAVO_CAPTURE_LANGUAGES:-"EN DE FR IT ES JA CN KO DU BR HI"}
monitors=${PICTAVO_CAPTURE_DPIS:-"96 100 110 120 144"}

for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "capture.sh needs $tool" >&2; exit 1; }
done
cmake --build "$build" --target capture_windows Pictavo >/dev/null

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# One display per monitor DPI, each with its own number (the server writes
# the one it took) and the window manager. The program rounds the DPI to 96,
# 120 or 144 and draws its text at the rounded DPI.
start_display() {
    rm -f "$scratch/display"
    Xvfb -displayfd 3 -dpi "$1" -screen 0 1920x1200x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(cat "$scratch/display")
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}

language_type() {
    case $1 in
        EN) echo 0 ;; DE) echo 1 ;; FR) echo 2 ;; IT) echo 3 ;; ES) echo 4 ;; JA) echo 5 ;;
        CN) echo 6 ;; KO) echo 7 ;; DU) echo 8 ;; BR) echo 9 ;; HI) echo 10 ;;
    esac
}

for monitor in $monitors; do
    start_display "$monitor"
    mkdir -p "$out/$monitor"
    for language in $languages; do
        echo "capturing $language at $monitor DPI"
        settings=$scratch/settings-$language-$monitor.ini
        printf '[General]\nLanguageType=%s\n' "$(language_type "$language")" >"$settings"
        # The program itself, as started by a user: its start window.
        PICTAVO_SETTINGS_FILE=$settings PICTAVO_NETWORK_STATE=offline TMPDIR=$scratch \
            PICTAVO_TRANSLATION_DIR="$build/PhotoTranslation" "$build/Pictavo" >/dev/null 2>&1 &
        program=$!
        sleep 3
        "$build/tools/capture_windows" --screen "$out/$monitor/${language}_program.png"
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
        # Every window and dialog, shown one after the other.
        QT_QPA_PLATFORM=xcb TMPDIR=$scratch \
            PICTAVO_TRANSLATION_DIR="$build/PhotoTranslation" PICTAVO_SETTINGS_FILE="$settings" \
            "$build/tools/capture_windows" "$language" "$out/$monitor"
    done
done
echo "pictures in $out"
