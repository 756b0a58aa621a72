#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, run and test.
# Safe to run again: only missing packages are installed.
set -euo pipefail

PAQUETS=(
    # build
    build-essential cmake ninja-build pkg-config
    # Qt 6: widgets, printing, charts (its CMake config needs the OpenGL module), SVG artwork, JPEG plugin
    qt6-base-dev qt6-qpa-plugins qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins libgl-dev qt6-translations-l10n
    # store, archive, mail, pictures
    libsqlite3-dev libzip-dev zlib1g-dev zipcmp zipmerge ziptool libcurl4-openssl-dev libjpeg62-turbo-dev libturbojpeg0-dev
    # fonts close to the original metrics
    fonts-wine fonts-dejavu-core fonts-liberation
    # peers used by the tests, and the tools to look at the program
    zip unzip p7zip-full python3 python3-aiosmtpd poppler-utils sqlite3 xvfb xauth imagemagick xdotool
    # sheet-file association: MIME and desktop caches, desktop-entry checks, a real launcher for the tests
    shared-mime-info desktop-file-utils libglib2.0-bin
)

manquants=()
for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${manquants[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Ces paquets demandent les droits root (sudo introuvable)." >&2; exit 1; }
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${manquants[@]}"
