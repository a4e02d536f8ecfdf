#!/usr/bin/env bash
# Writes a description of 20,000 operations and one whose request runs to 100,000 lines, then measures
# how long the window's thread is blocked on each (quorvel-window-bench, under a virtual display).
# Usage: bench/window_bench.sh   (uses the normal build in build/, or $QUORVEL_BUILD_DIR)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
cmake --build "$build" --target quorvel-window-bench >/dev/null
synthetic="$build/synthetic"
mkdir -p "$synthetic"
many="$synthetic/ops-20000.wsdl"
long="$synthetic/long-request.wsdl"
[ -f "$many" ] || python3 "$root/bench/make_synthetic.py" "$many" --shape ops --operations 20000 --bindings 1
[ -f "$long" ] || python3 "$root/bench/make_synthetic.py" "$long" --shape fanout --operations 1 --depth 2 \
    --fanout 17 --bindings 1 --shared-types 3
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/quorvel-window-bench" "$many" "$long"
