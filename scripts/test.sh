#!/usr/bin/env bash
# Checks the formatting, builds Orvanta in Debug with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test through ctest, then builds Release (benchmarks included) with warnings as
# errors and runs the tests there too. Installs what the build needs first, so it works on a
# fresh machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# Every C++ file follows .clang-format; a file that drifts fails the run before the build.
find "$root"/{src,cli,components,tests,bench,fuzz,samples} -name '*.cpp' -o -name '*.h' |
  xargs clang-format --dry-run --Werror

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

build="$root/build/debug-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON -DORVANTA_BENCH=OFF
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

release="$root/build/release-werror"
cmake -S "$root" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_WERROR=ON -DORVANTA_BENCH=ON
cmake --build "$release"
ctest --test-dir "$release" --output-on-failure -j "$(nproc)"
