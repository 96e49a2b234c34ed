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
    qt6-qpa-plugins qt6-translations-l10n libqt6svg6
    at-spi2-core dbus dbus-x11 xdg-utils
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-rus tesseract-ocr-spa tesseract-ocr-fra
    tesseract-ocr-deu tesseract-ocr-ita tesseract-ocr-por tesseract-ocr-chi-sim tesseract-ocr-jpn
    tesseract-ocr-kor tesseract-ocr-tur tesseract-ocr-ara
    espeak-ng espeak-ng-data
    dict-freedict-eng-spa dict-freedict-spa-eng
    apertium apertium-eng-spa
    gstreamer1.0-plugins-good gstreamer1.0-plugins-base qt6-gtk-platformtheme
    fonts-noto-core fonts-noto-color-emoji fonts-noto-cjk
)
# A private headless desktop: X server, tray host, test drivers and screenshots.
QM_DESKTOP_PACKAGES=(
    xvfb xauth trayer xdotool x11-utils imagemagick pulseaudio python3-gi gir1.2-gtk-3.0
    hunspell hunspell-en-us hunspell-es hunspell-fr hunspell-de-de hunspell-it hunspell-pt-pt hunspell-ru
)

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
