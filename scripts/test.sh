#!/usr/bin/env bash
# Checks the formatting, builds Orvanta in Debug with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test through ctest, then builds Release (benchmarks included) with warnings as
# errors and runs the tests there too. Installs what the build needs first, so it works on a
# fresh machine. Last, it writes the screenshots of the desktop program's windows and builds the
# Debian package, listing what it installs.
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

# Pictures of every window and dialog, kept in the build tree for people to look at.
"$root/tests/screenshots.sh" "$release"

# The Debian package: built, and checked to hold the programs, components, folders and desktop entry.
(cd "$release" && cpack -G DEB >/dev/null)
package=$(ls -t "$release"/orvanta_*.deb | head -1)
dpkg-deb -c "$package" | sed -E 's/^([^ ]+ +){5}//' >"$release/package-contents.txt"
for file in ./usr/bin/orvanta ./usr/bin/orvanta-cli ./usr/lib/orvanta/liborvt_expression.so \
  ./usr/lib/orvanta/libvornish.so "./usr/share/orvanta/Sample Tabulons/MRA_Contacts.PDB" \
  ./usr/share/orvanta/Documentation/Orvanta.html ./usr/share/applications/orvanta.desktop \
  ./usr/share/icons/hicolor/scalable/apps/orvanta.svg; do
  grep -qxF "$file" "$release/package-contents.txt" || { echo "the package lacks $file" >&2; exit 1; }
done
echo "$(basename "$package"): $(wc -l <"$release/package-contents.txt") entries (listed in $release/package-contents.txt)"
