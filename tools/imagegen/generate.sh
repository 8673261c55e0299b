#!/bin/sh
# Rebuilds the committed image sets: bash tools/imagegen/generate.sh
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-imagegen"
cmake -S "$root/tools/imagegen" -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/imagegen" "$root/resources/images"
# One resource file per image set, listing every drawn image (the Korean
# add-file pictures of a set included).
cd "$root/resources/images"
for d in 96 120 144; do
    {
        echo '<!DOCTYPE RCC>'
        echo '<RCC version="1.0">'
        echo '    <qresource prefix="/images">'
        find "$d-DPI" "Korean/$d-DPI" -type f | LC_ALL=C sort | while IFS= read -r f; do
            echo "        <file>$f</file>"
        done
        echo '    </qresource>'
        echo '</RCC>'
    } > "dpi$d.qrc"
done
