#!/usr/bin/env bash
# Installs what building, running and testing Pictavo needs on Debian 12.
set -euo pipefail

packages=(
    g++ cmake ninja-build clang libclang-rt-14-dev
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libqt5svg5-dev libxcb1-dev pkg-config libjpeg62-turbo-dev libjpeg-turbo-progs libheif-dev libheif-examples libde265-dev
    libimage-exiftool-perl imagemagick
    xvfb xdotool openssl fonts-open-sans fonts-roboto-unhinted fonts-liberation2
    fonts-noto-cjk fonts-lohit-deva fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
