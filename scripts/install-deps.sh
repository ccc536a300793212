#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, and any named as arguments;
# skips what is already there.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-translations-l10n
    libsqlcipher-dev sqlcipher
    nettle-dev
    googletest libgtest-dev
    python3 python3-xlrd python3-xlwt python3-msoffcrypto-tool
    fonts-noto-cjk
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
