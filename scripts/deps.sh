#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipa do Quilora
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the project needs, only those that are missing, and makes the
# users' locale, pt_PT.UTF-8, available to the tests.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
    clang libclang-rt-14-dev
    xvfb xauth
    dpkg-dev file
    lintian desktop-file-utils appstream reuse
    fonts-dejavu-core fonts-liberation2 fonts-comic-neue
    locales
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "A instalar: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qiE '^pt_PT\.utf-?8$'; then
    echo "A gerar o local pt_PT.UTF-8"
    if grep -qE '^# *pt_PT\.UTF-8 UTF-8' /etc/locale.gen; then
        $sudo sed -i -E 's/^# *(pt_PT\.UTF-8 UTF-8)/\1/' /etc/locale.gen
    elif ! grep -qE '^pt_PT\.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'pt_PT.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    fi
    $sudo locale-gen
fi
