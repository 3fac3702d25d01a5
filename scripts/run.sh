#!/usr/bin/env bash
# Builds the release tree and runs Orvanta's newest user-facing job: for now the file-layer
# benchmark, which shows the typed read and write speed of the buffered file beside plain read().
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF
cmake --build "$build"
"$build/bench/bench_io" --benchmark_counters_tabular=true "$@"
