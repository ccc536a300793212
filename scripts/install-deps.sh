#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, and any named as arguments;
# skips what is already there.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-translations-l10n
    nettle-dev
    googletest libgtest-dev
    python3 python3-xlrd python3-xlwt python3-msoffcrypto-tool
    fonts-noto-cjk
    "$@"
)

# SQLCipher 4.6 and its shell come from Debian's own backports suite, signed by the keyring
# already on the machine; backports stay at their default low priority, so nothing else is
# taken from there.
backports=(libsqlcipher-dev sqlcipher)
backports_list=/etc/apt/sources.list.d/bookworm-backports.sources

sqlcipher_current() {
    local p version
    for p in "${backports[@]}"; do
        version=$(dpkg-query -W -f='${Version}' "$p" 2>/dev/null || true)
        if [ -z "$version" ] || dpkg --compare-versions "$version" lt 4.6; then
            return 1
        fi
    done
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ] && sqlcipher_current; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if [ ! -f "$backports_list" ]; then
    printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${sudo_cmd[@]}" tee "$backports_list" >/dev/null
fi
"${sudo_cmd[@]}" apt-get update -q
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if ! sqlcipher_current; then
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
        "${backports[@]/%//bookworm-backports}"
fi
