#!/usr/bin/env bash
# Shows the program's windows under Xvfb with a window manager and saves a
# picture of the main window (start, with a file, results) and of each
# dialog, at the scales 1.0, 1.25 and 1.5, in English, German and Japanese:
#     bash tools/screenshots/capture.sh [output folder] [build folder]
# Needs Xvfb and the openbox window manager (apt-get install xvfb openbox);
# nothing else in the project uses openbox, so it is this script's own
# requirement. Pictures go to <build folder>/screenshots by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$root/build}
out=${1:-$build/screenshots}
languages=${PICTAVO_CAPTURE_LANGUAGES:-"EN DE JA"}

for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "capture.sh needs $tool" >&2; exit 1; }
done
cmake --build "$build" --target capture_windows >/dev/null

scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display number of its own: the server writes the one it took.
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$scratch/display")
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

mkdir -p "$out"
for language in $languages; do
    for dpi in 96 120 144; do
        echo "capturing $language at $dpi DPI"
        QT_QPA_PLATFORM=xcb QT_FONT_DPI=$dpi TMPDIR=$scratch \
            PICTAVO_TRANSLATION_DIR="$build/PhotoTranslation" PICTAVO_SETTINGS_FILE="$scratch/settings.ini" \
            "$build/tools/capture_windows" "$language" "$out"
    done
done
echo "pictures in $out"
