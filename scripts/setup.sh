#!/usr/bin/env bash
# Installs what building and testing Vorlo2000 needs on Debian 12, when it is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev librtmidi-dev
    libgtest-dev libbenchmark-dev
    jackd2 fonts-dejavu-core fonts-liberation
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
