#!/usr/bin/env bash
# Measures key to sound through real sound servers: installs PulseAudio, starts a PulseAudio
# server with a null sink and then a JACK server on its dummy driver, each as an ordinary user
# with a runtime folder of its own, runs build/benchmarks/vorlo-sound-server-latency-bench
# against each, stops them and prints the figures. Run as root, it makes a user for the servers
# (and removes it afterwards); run as anyone else, the servers run as that user.
#
#   scripts/measure-latency.sh [ARGS...]     ARGS go to the benchmark (--notes 50 ...)
#
# VORLO_BUILD_DIR (default build) is the build folder; the benchmark is built there first.
# SERVERS (default "pulseaudio jack") names the servers measured.
# JACK_PERIOD (default 128, the built-in synthesizer's default buffer) and SAMPLE_RATE (48000)
# set the servers up; JACK_SYNC=1 runs JACK in its synchronous mode (-S: a cycle's output
# goes out in the next period instead of one period later). NICE (default 0; below 0 needs
# root) is the scheduling priority of the servers and the benchmark: on a machine busy with
# other work, -10 stands in for the real-time priority a sound server would have.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${VORLO_BUILD_DIR:-build}
bench="$build_dir/benchmarks/vorlo-sound-server-latency-bench"
rate=${SAMPLE_RATE:-48000}
jack_period=${JACK_PERIOD:-128}
jack_mode=()
if [[ "${JACK_SYNC:-0}" == 1 ]]; then
    jack_mode=(--sync)
fi
sink=vorlo_latency
server_user=vorlo-latency
start_timeout=10
servers=${SERVERS:-pulseaudio jack}

# PulseAudio's server and tools; the benchmark needs no General MIDI SoundFont.
VORLO_NO_SOUNDFONT=${VORLO_NO_SOUNDFONT:-1} scripts/setup.sh pulseaudio pulseaudio-utils libpulse-dev

# Brought up to date (nothing to do when it is).
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build_dir" -j2 --target vorlo-sound-server-latency-bench >/dev/null
bench=$(realpath "$bench")

# Who runs the servers and the benchmark: never root (PulseAudio refuses a root user's
# server outside system mode, and a sound server should not run as root anyway).
made_user=0
if [[ $(id -u) -eq 0 ]]; then
    if ! id "$server_user" >/dev/null 2>&1; then
        useradd --system --user-group --no-create-home --home-dir /nonexistent \
            --shell /usr/sbin/nologin "$server_user"
        made_user=1
    fi
    as_user=(setpriv --reuid="$server_user" --regid="$server_user" --init-groups --)
else
    server_user=$(id -un)
    as_user=()
fi
as_user=(nice -n "${NICE:-0}" "${as_user[@]}")

runtime=$(mktemp -d /tmp/vorlo-latency.XXXXXX)
chmod 700 "$runtime"
chown "$server_user": "$runtime" 2>/dev/null || true
user_env=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime"
    TMPDIR="$runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen JACK_DEFAULT_SERVER=vorlo-latency)
server_pid=""

stop_server() {
    if [[ -n "$server_pid" ]] && kill -0 "$server_pid" 2>/dev/null; then
        kill "$server_pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$server_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    server_pid=""
}

clean_up() {
    stop_server
    rm -rf "$runtime"
    if ((made_user)); then
        userdel "$server_user" 2>/dev/null || true
    fi
}
trap clean_up EXIT
trap 'exit 130' INT TERM

# (Servers are started with the same words directly, so that $! is the server itself.)
run_as_user() {
    "${as_user[@]}" "${user_env[@]}" "$@"
}

# Waits until the command (run as the user) succeeds, or the timeout passes.
wait_for() {
    for _ in $(seq $((start_timeout * 10))); do
        if run_as_user "$@" >/dev/null 2>&1; then
            return 0
        fi
        kill -0 "$server_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# --- PulseAudio with a null sink ---
cat >"$runtime/latency.pa" <<EOF
load-module module-native-protocol-unix
load-module module-null-sink sink_name=$sink rate=$rate channels=2 format=float32le
set-default-sink $sink
EOF
chown "$server_user": "$runtime/latency.pa" 2>/dev/null || true

measure_pulseaudio() {
    echo "== PulseAudio (null sink $sink, $rate Hz), as user $server_user;" \
        "load average $(cut -d' ' -f1-3 /proc/loadavg)"
    "${as_user[@]}" "${user_env[@]}" pulseaudio --daemonize=no --system=no --use-pid-file=no \
        --exit-idle-time=-1 --disallow-exit -n -F "$runtime/latency.pa" \
        --log-target=file:"$runtime/pulseaudio.log" &
    server_pid=$!
    if wait_for pactl info; then
        run_as_user "$bench" --server pulseaudio --sink "$sink" "$@" || echo "benchmark failed: $?"
    else
        echo "PulseAudio did not start:"
        tail -n 20 "$runtime/pulseaudio.log" 2>/dev/null || true
    fi
    stop_server
}

# --- JACK on its dummy driver ---
measure_jack() {
    echo "== JACK (dummy driver, $jack_period frames a cycle, $rate Hz${jack_mode:+, synchronous})," \
        "as user $server_user; load average $(cut -d' ' -f1-3 /proc/loadavg)"
    "${as_user[@]}" "${user_env[@]}" jackd --no-realtime "${jack_mode[@]}" --name vorlo-latency \
        -d dummy -r "$rate" -p "$jack_period" >"$runtime/jackd.log" 2>&1 &
    server_pid=$!
    if wait_for jack_lsp; then
        run_as_user "$bench" --server jack "$@" || echo "benchmark failed: $?"
    else
        echo "JACK did not start:"
        tail -n 20 "$runtime/jackd.log" 2>/dev/null || true
    fi
    stop_server
}

first=1
for server in $servers; do
    ((first)) || echo
    first=0
    case $server in
    pulseaudio) measure_pulseaudio "$@" ;;
    jack) measure_jack "$@" ;;
    *) echo "unknown server: $server (pulseaudio, jack)" ;;
    esac
done
