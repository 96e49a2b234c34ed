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
# platform/ is the bottom layer: besides its own headers it includes only diagnostics/. The older
# backends of capture's interfaces are excepted header by header.
older="PrimarySelection.h:.*capture/TopLevelWindow|TextRecognizer.h:.*capture/RecognizedLine|atspi/AtspiDesktop.h:.*\
capture/AccessibilityDesktop|atspi/AtspiNode.h:.*capture/AccessibleNode|tesseract/TesseractRecognizer.cpp:.*\
(capture/CJKScript|language/LanguageCodes|preferences/SupportedLanguages)"
hits=$(grep -rnE '#include *"[A-Za-z_]+/' "$src/platform" | grep -vE '#include *"(platform|diagnostics)/' \
       | grep -vE "^$src/platform/($older)\.h\"")
if [ -n "$hits" ]; then
    echo "platform/ includes headers from outside platform/ and diagnostics/:"; echo "$hits"; status=1
fi
# The rule must see the tree it checks.
[ -d "$src/platform" ] || { echo "no platform folder under $src"; status=1; }
[ $status -eq 0 ] && echo "dependency rules hold"
exit $status
