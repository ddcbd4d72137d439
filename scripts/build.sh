#!/usr/bin/env bash
# Configures and builds Vorlo2000 into build/ (the program folder is build/vorlo2000/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)"
