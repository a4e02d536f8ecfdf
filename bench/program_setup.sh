# Sourced by the whole-program benchmarks: sets root, build and corpus, and builds the program.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
corpus=${QUORVEL_CORPUS_DIR:-$root/../shared/corpus}
"$root/scripts/setup" >/dev/null
QUORVEL_BUILD_DIR="$build" "$root/scripts/build" >/dev/null
