#!/usr/bin/env bash
# Configures and builds Vorlo2000 into build/ (the program folder is build/vorlo2000/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# ccache, where installed, makes rebuilds of an unchanged file free.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
