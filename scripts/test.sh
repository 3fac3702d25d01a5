#!/usr/bin/env bash
# Builds Orvanta in Debug with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test through ctest. Installs what the build needs first, so it works on a fresh machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# Every C++ file follows .clang-format; a file that drifts fails the run before the build.
find "$root"/{src,cli,components,tests,bench,fuzz,samples} -name '*.cpp' -o -name '*.h' |
  xargs clang-format --dry-run --Werror

build="$root/build/debug-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON -DORVANTA_BENCH=OFF
cmake --build "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
