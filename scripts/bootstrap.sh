#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, when any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    clang libclang-rt-14-dev            # libFuzzer target
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libvulkan-dev # Qt 6 Widgets and PrintSupport
    fonts-dejavu-core                    # the window's font
    poppler-utils                        # pdftotext, for the print-to-PDF test
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
