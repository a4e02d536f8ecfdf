#!/usr/bin/env bash
# Builds quorvel-bench in Release-with-debug-info, writes the synthetic descriptions and measures them
# together with the largest corpus files. Usage: bench/run_bench.sh [main|series|hostile|all] [quorvel-bench options]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BENCH_BUILD_DIR:-$root/build-bench}
corpus=${QUORVEL_CORPUS_DIR:-$root/../shared/corpus}
set_name=${1:-main}
shift || true

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BUILD_UI=OFF >/dev/null
cmake --build "$build" --target quorvel-bench >/dev/null

synthetic="$build/synthetic"
mkdir -p "$synthetic"
synth() { # name, generator arguments
    local file="$synthetic/$1.wsdl"
    shift
    [ -f "$file" ] || python3 "$root/bench/make_synthetic.py" "$file" "$@"
    echo "$file"
}

main_files() {
    echo "$corpus/savonrb__wasabi/spec__fixtures__workday.wsdl"
    echo "$corpus/savonrb__wasabi/spec__fixtures__economic.wsdl"
    echo "$corpus/hooklift__gowsdl/fixtures__vboxweb.wsdl"
    synth mixed-1M --size 1M
    synth mixed-10M --size 10M
    synth mixed-60M --size 60M
}

# Doubling series: operations, nesting depth, extension chain length, choice width.
series_files() {
    for n in 1000 2000 4000 8000; do synth "ops-$n" --shape ops --operations "$n"; done
    for d in 32 64 128 240; do synth "deep-$d" --shape deep --operations 200 --depth "$d"; done
    for c in 250 500 1000 2000; do synth "ext-$c" --shape ext --operations 100 --chain "$c"; done
    for w in 250 500 1000 2000; do synth "choice-$w" --shape choice --operations 200 --width "$w"; done
}

# Few lines of input, very long lines of output: a chain of 235 types above a fan-out of 2^18, 60 operations,
# with short names and with names of 2,000 letters. The byte bounds of generation cut them.
hostile_files() {
    synth long-lines --shape fanout --operations 60 --depth 235 --fanout 18 --bindings 1 --shared-types 3
    synth long-names --shape fanout --operations 60 --depth 235 --fanout 18 --name-length 2000 --bindings 1 \
        --shared-types 3
}

case "$set_name" in
main) files=$(main_files) ;;
series) files=$(series_files) ;;
hostile) files=$(hostile_files) ;;
all) files="$(main_files) $(series_files) $(hostile_files)" ;;
*) echo "usage: $0 [main|series|hostile|all] [quorvel-bench options]" >&2; exit 2 ;;
esac
# shellcheck disable=SC2086
"$build/bench/quorvel-bench" "$@" $files
