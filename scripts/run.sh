#!/usr/bin/env bash
# Sets up, builds and starts the console.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/vorlo2000/vorlo2000" "$@"
