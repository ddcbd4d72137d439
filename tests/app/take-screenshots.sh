#!/usr/bin/env bash
# Takes the screenshots of the console shown in the README: the real program on the machine's
# MIDI system (a JACK server with the dummy driver, started here when none runs) under a
# virtual X display, each panel from a configuration file written for it.
#
#   tests/app/take-screenshots.sh [build folder] [output folder]
#
# Needs xvfb (xvfb-run), imagemagick (import) and x11-utils (xwininfo) besides the build.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="$(mkdir -p "${2:-$root/docs}" && cd "${2:-$root/docs}" && pwd)"
program="$build/vorlo2000"
writer="$build/tests/app/vorlo_write_config"
[[ -x "$program/vorlo2000" && -x "$writer" ]] || {
    echo "build the program and vorlo_write_config into $build first" >&2
    exit 1
}

jack_pid=""
work="$(mktemp -d)"
cleanup() {
    [[ -n "$jack_pid" ]] && kill "$jack_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
if ! jack_lsp >/dev/null 2>&1; then
    jackd -d dummy -r 48000 >"$work/jackd.log" 2>&1 &
    jack_pid=$!
    jack_wait -w -t 10 >/dev/null
fi

# shoot <picture name> <configuration options...>
shoot() {
    local name=$1
    shift
    local dir="$work/$name"
    cp -r "$program" "$dir"
    rm -f "$dir/vorlo2000.CFG"
    "$writer" "$dir" "$@"
    xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
        "$1/vorlo2000" >"$1/run.log" 2>&1 &
        pid=$!
        sleep 6
        id=$(xwininfo -root -tree | grep "\"Vorlo2000" | head -1 | awk "{print \$1}")
        if [[ -n "$id" ]]; then import -window "$id" "$2"; else import -window root "$2"; fi
        kill $pid
    ' shoot "$dir" "$out/$name.png"
    echo "$out/$name.png"
}

shoot screenshot-standard-100 --standard --scale 1.0
shoot screenshot-standard-160 --standard --scale 1.6
shoot screenshot-graphic --graphic
