# Debian packages Quillmoor needs; sourced by scripts/run and scripts/test.
# Build tools and libraries.
QM_BUILD_PACKAGES=(
    cmake ninja-build ccache g++ pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-multimedia-dev qcoro-qt6-dev libqt6sql6-sqlite libgl-dev libegl-dev libxkbcommon-dev
    libsqlite3-dev libicu-dev libatspi2.0-dev libglib2.0-dev
    libx11-dev libxi-dev libxext-dev libxtst-dev libxfixes-dev libxcb1-dev libxcb-shm0-dev
    libtesseract-dev libleptonica-dev libespeak-ng-dev libcld2-dev libsystemd-dev zlib1g-dev
)
# What the application uses at run time.
QM_RUNTIME_PACKAGES=(
    wordnet-base
    qt6-qpa-plugins qt6-translations-l10n libqt6svg6 libqt6sql6-sqlite
    at-spi2-core dbus dbus-x11 xdg-utils
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-rus tesseract-ocr-spa tesseract-ocr-fra
    tesseract-ocr-deu tesseract-ocr-ita tesseract-ocr-por tesseract-ocr-chi-sim tesseract-ocr-jpn
    tesseract-ocr-kor tesseract-ocr-tur tesseract-ocr-ara
    espeak-ng espeak-ng-data
    apertium
    hunspell-en-us hunspell-es hunspell-fr hunspell-de-de hunspell-it hunspell-pt-pt hunspell-ru
    gstreamer1.0-plugins-good gstreamer1.0-plugins-base qt6-gtk-platformtheme
    fonts-noto-core fonts-noto-color-emoji fonts-noto-cjk
)
# Offline translation between the study languages: every FreeDict dictionary and Apertium pair
# Debian 12 has between them (the application names the same packages when a pair is missing).
QM_LANGUAGE_PACKAGES=(
    dict-freedict-ara-eng dict-freedict-deu-eng dict-freedict-deu-fra dict-freedict-deu-ita dict-freedict-deu-por
    dict-freedict-deu-rus dict-freedict-deu-spa dict-freedict-deu-tur dict-freedict-eng-ara dict-freedict-eng-deu
    dict-freedict-eng-fra dict-freedict-eng-ita dict-freedict-eng-jpn dict-freedict-eng-por dict-freedict-eng-rus
    dict-freedict-eng-spa dict-freedict-eng-tur dict-freedict-fra-deu dict-freedict-fra-eng dict-freedict-fra-ita
    dict-freedict-fra-jpn dict-freedict-fra-por dict-freedict-fra-rus dict-freedict-fra-spa dict-freedict-fra-tur
    dict-freedict-ita-deu dict-freedict-ita-eng dict-freedict-ita-jpn dict-freedict-ita-por dict-freedict-ita-rus
    dict-freedict-ita-spa dict-freedict-ita-tur dict-freedict-jpn-deu dict-freedict-jpn-eng dict-freedict-jpn-fra
    dict-freedict-jpn-rus dict-freedict-por-deu dict-freedict-por-eng dict-freedict-por-fra dict-freedict-por-spa
    dict-freedict-spa-deu dict-freedict-spa-eng dict-freedict-spa-por dict-freedict-tur-deu dict-freedict-tur-eng
    apertium-eng-spa apertium-fr-es apertium-es-pt apertium-spa-ita
)
QM_RUNTIME_PACKAGES+=("${QM_LANGUAGE_PACKAGES[@]}")
# A private headless desktop: X server, tray host, notification server, test drivers and screenshots.
QM_DESKTOP_PACKAGES=(
    xvfb xauth trayer dunst xdotool x11-utils imagemagick pulseaudio python3-gi gir1.2-gtk-3.0 desktop-file-utils
    hunspell
)

# Building and checking the Debian package.
QM_PACKAGING_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

qm_install_packages()
{
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    if [ ! -f /var/lib/apt/.quillmoor-updated ] || ! "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
        "${sudo[@]}" apt-get update && "${sudo[@]}" touch /var/lib/apt/.quillmoor-updated
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}
