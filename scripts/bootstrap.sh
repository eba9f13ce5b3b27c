#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, when any is missing; packages named as
# arguments are installed too (tools of scripts that are not part of the build).
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    clang libclang-rt-14-dev            # libFuzzer target
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libvulkan-dev # Qt 6 Widgets and PrintSupport
    qt6-svg-dev                          # the SVG icon engine that draws the pictures
    fonts-dejavu-core                    # the window's font
    libqt6svg6                           # the window icon (SVG)
    desktop-file-utils appstream man-db  # checks of the installed files
    dpkg-dev file                        # dpkg-shlibdeps for the package
    locales                              # de_DE.UTF-8 for the decimal-comma test
    poppler-utils                        # pdftotext, for the print-to-PDF test
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The window tests run once under a German locale, which writes decimal commas.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    echo "Generating the de_DE.UTF-8 locale"
    "${sudo_cmd[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
