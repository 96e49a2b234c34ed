#!/usr/bin/env bash
# Services never include widgets, and platform headers stay inside the backends.
set -u
src=${1:?source folder}
status=0
for dir in store language anki preferences diagnostics; do
    hits=$(grep -rnE '#include *[<"](QtWidgets/|QWidget|QDialog|QMainWindow|QLabel|QPushButton|QApplication|QMenu|QSystemTrayIcon)' "$src/$dir" 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "Widget headers in $dir/:"; echo "$hits"; status=1
    fi
done
hits=$(grep -rnE '#include *<(X11/|xcb/|atspi/|at-spi|tesseract/|leptonica/|espeak-ng/|systemd/|cld2/)' "$src" \
       | grep -vE "^$src/platform/(x11|atspi|tesseract|espeak|journal|cld2)/[^:]*\.cpp:")
if [ -n "$hits" ]; then
    echo "Platform headers outside the backend sources:"; echo "$hits"; status=1
fi
# The rule must see the tree it checks.
[ -d "$src/platform" ] || { echo "no platform folder under $src"; status=1; }
[ $status -eq 0 ] && echo "dependency rules hold"
exit $status
