#!/usr/bin/env bash
# Builds the release tree (which writes the sample Tabulons) and shows what orvanta-cli
# reads from each of them: the program's main job on the bundled sample library.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF
cmake --build "$build"
for sample in "$build/samples/Sample Tabulons/"*.PDB; do
  echo "== $(basename "$sample")"
  "$build/cli/orvanta-cli" info "$sample"
  echo
done

# A computed field at work: the hours of each Time Log entry, worked out from its start and end.
echo "== Hours worked, from the Time Log's start and end times"
"$build/cli/orvanta-cli" expr "$build/samples/Sample Tabulons/MRA_Time Log.PDB" "Round((End - Start) * 24, 2)"
