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

# Starts the program on the standard panel (with the settings file's text given, if any) under
# an X server of its own, finds the main window ($main, its place in $X and $Y), runs the
# actions given, which leave the picture in "$2", and ends the program.
shoot_acting() {
    local name=$1 ini=$2 actions=$3
    local dir="$work/$name"
    cp -r "$program" "$dir"
    rm -f "$dir/vorlo2000.CFG"
    "$writer" "$dir" --standard --scale 1.0
    if [[ -n "$ini" ]]; then printf '%b' "$ini" >"$dir/vorlo2000.ini"; fi
    xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
        "$1/vorlo2000" >"$1/run.log" 2>&1 &
        pid=$!
        sleep 6
        main=$(xwininfo -root -tree | grep "\"Vorlo2000" | head -1 | awk "{print \$1}")
        eval "$(xdotool getwindowgeometry --shell "$main")"
        eval "$3"
        kill $pid
    ' shoot "$dir" "$out/$name.png" "$actions"
    echo "$out/$name.png"
}

# The on-screen keyboard, opened from Setup with the keyboard (File's menu, Right to Setup, k),
# with a chord held on the computer keys and the Pedal's C under the mouse.
shoot_acting window-onscreen-keyboard '' '
    xdotool mousemove $((X + 15)) $((Y + 10)) click 1
    sleep 1
    xdotool key Right
    sleep 1
    xdotool key k
    sleep 2
    id=$(xwininfo -root -tree | grep "\"On-screen keyboard" | head -1 | awk "{print \$1}")
    if [[ -n "$id" ]]; then
        eval "$(xdotool getwindowgeometry --shell "$id")"
        xdotool keydown z keydown c keydown b
        xdotool mousemove $((X + 75)) $((Y + 205)) mousedown 1
        sleep 1
        import -window "$id" "$2"
        xdotool mouseup 1 keyup b keyup c keyup z
    else
        import -window root "$2"
    fi'

# The Sound window, playing on the built-in synthesizer (through the JACK server), opened from
# Setup with the keyboard (File's menu, Right to Setup, s for "&Sound...", which shares its
# letter with "Font&s", then Return).
shoot_acting window-sound '[Synth]\nBuiltInSelected=true\n' '
    xdotool mousemove $((X + 15)) $((Y + 10)) click 1
    sleep 1
    xdotool key Right
    sleep 1
    xdotool key s
    xdotool key Return
    sleep 3
    id=$(xwininfo -root -tree | grep "\"Sound\"" | head -1 | awk "{print \$1}")
    if [[ -n "$id" ]]; then import -window "$id" "$2"; else import -window root "$2"; fi'

# The main window with a stop drawn (Undo lit) and the transposer two semitones up.
shoot_acting screenshot-transposer-undo '' '
    xdotool mousemove $((X + 35)) $((Y + 105)) click 1
    sleep 1
    xdotool key plus
    xdotool key plus
    xdotool mousemove $((X + 300)) $((Y + 470))
    sleep 1
    import -window "$main" "$2"'
