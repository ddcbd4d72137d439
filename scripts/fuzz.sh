#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each on its seed corpus.
#
#   scripts/fuzz.sh                        each target for 500 runs (the quick check)
#   scripts/fuzz.sh -max_total_time=600    each target for ten minutes
#   scripts/fuzz.sh -runs=20000 midi sqs   chosen targets only
#
# Targets: dat, cfg, sqs, midi, ini, sf2, names, bindings, banks (tests/fuzz). New inputs that reach new code are kept in
# build-fuzz/corpus/<target>/; a failing input is written to build-fuzz/findings/ and the
# script fails. Replay one with: build-fuzz/tests/fuzz/vorlo-fuzz-<target> <file>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

options=()
targets=()
for a in "$@"; do
    case "$a" in
    -*) options+=("$a") ;;
    *) targets+=("$a") ;;
    esac
done
((${#options[@]})) || options=(-runs=500)
((${#targets[@]})) || targets=(dat cfg sqs midi ini sf2 names bindings banks)

"$root/scripts/setup.sh" clang libclang-rt-14-dev
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVORLO_FUZZ=ON -DVORLO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/vorlo-fuzz-}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
mkdir -p "$build/findings"
for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t"
    log="$build/findings/$t.log"
    if ! "$build/tests/fuzz/vorlo-fuzz-$t" "${options[@]}" -timeout=20 \
        -artifact_prefix="$build/findings/$t-" \
        "$build/corpus/$t" "$root/tests/fuzz/corpus/$t" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "vorlo-fuzz-$t found a fault (input in $build/findings/)"
        exit 1
    fi
    echo "vorlo-fuzz-$t: $(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1)," \
        "$(find "$build/corpus/$t" -type f | wc -l) inputs in its corpus"
done
