#!/usr/bin/env bash
# Installs what building and testing Vorlo2000 needs on Debian 12, when it is missing.
# Packages named as arguments are installed too (the fuzzing script asks for clang).
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev librtmidi-dev libjack-jackd2-dev
    libgtest-dev libbenchmark-dev
    jackd2 fonts-dejavu-core fonts-liberation
    libfluidsynth-dev
    "$@"
)
# The General MIDI SoundFont the built-in synthesizer plays (about 140 MB): for playing only,
# the tests make their own. VORLO_NO_SOUNDFONT=1 leaves it out (CI).
if [[ "${VORLO_NO_SOUNDFONT:-0}" != 1 ]]; then
    packages+=(fluid-soundfont-gm)
fi

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
