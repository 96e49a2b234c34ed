#!/usr/bin/env bash
# The folders of src/ and what each may include. Platform seams and backends sit at the bottom;
# capture reads the desktop through them; the language services use the text utilities of capture;
# panels show what the services produce; settings edits the preferences and shows whether the
# services it configures answer (AnkiConnect among them); app/ wires everything and nothing includes it.
set -u
src=${1:?source folder}
status=0

declare -A allowed=(
    [platform]="platform diagnostics"
    [diagnostics]="diagnostics platform"
    [preferences]="preferences diagnostics"
    [hotkeys]="hotkeys platform preferences diagnostics"
    [capture]="capture platform hotkeys preferences diagnostics"
    [store]="store grammar diagnostics"
    [language]="language capture platform preferences diagnostics"
    [anki]="anki platform preferences diagnostics"
    [grammar]="grammar store language capture platform preferences diagnostics"
    [panels]="panels capture language anki store grammar hotkeys platform preferences diagnostics"
    [review]="review store grammar language platform preferences diagnostics"
    [settings]="settings hotkeys language anki platform preferences diagnostics"
)

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    [ "$folder" = app ] && continue
    if [ -z "${allowed[$folder]+set}" ]; then
        echo "$folder/ has no dependency rule"; status=1; continue
    fi
    while IFS=: read -r file line include; do
        target=${include#*\"}; target=${target%%/*}
        case " ${allowed[$folder]} " in
            *" $target "*) ;;
            *) echo "$folder/ may not include $target/: ${file#$src/}:$line"; status=1 ;;
        esac
    done < <(grep -rnoE '#include *"[a-z]+/[^"]+"' "$dir")
done

# Services never include widgets.
for dir in store language anki preferences diagnostics capture platform; do
    hits=$(grep -rnE '#include *[<"](QtWidgets/|QWidget|QDialog|QMainWindow|QLabel|QPushButton|QApplication|QMenu|QSystemTrayIcon)' "$src/$dir" 2>/dev/null \
           | grep -v "^$src/platform/[a-z0-9]*/")
    if [ -n "$hits" ]; then
        echo "Widget headers in $dir/:"; echo "$hits"; status=1
    fi
done
# System headers of the platform stay inside the backend sources.
hits=$(grep -rnE '#include *<(X11/|xcb/|atspi/|at-spi|tesseract/|leptonica/|espeak-ng/|systemd/|cld2/)' "$src" \
       | grep -vE "^$src/platform/(x11|atspi|tesseract|espeak|journal|cld2)/[^:]*\.cpp:")
if [ -n "$hits" ]; then
    echo "Platform headers outside the backend sources:"; echo "$hits"; status=1
fi
# Nothing in src/ exists for tests alone: timings a test needs come in as construction options.
hits=$(grep -rnE '[A-Za-z]For(Testing|Tests?)\b' "$src")
if [ -n "$hits" ]; then
    echo "Test-only members in src/:"; echo "$hits"; status=1
fi
# The rules must see the tree they check.
[ -d "$src/platform" ] && [ -d "$src/capture" ] || { echo "not a source tree: $src"; status=1; }
[ $status -eq 0 ] && echo "dependency rules hold"
exit $status
