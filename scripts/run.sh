#!/usr/bin/env bash
# Builds the release tree (which writes the sample Tabulons), shows what orvanta-cli reads from
# each of them, then opens the desktop program on a demo user's library of the samples. Without
# a display the program runs offscreen just long enough to write a picture of its main window.
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

# The library of a demo HotSync user. The demo has a registry of its own under the build tree, so
# a real configuration is never read or changed; its Palm Desktop folder (with the stand-in
# libraries) and the user's samples are made on the first run only.
demo="$build/demo"
export ORVANTA_REGISTRY="$demo/registry"
if [ ! -e "$ORVANTA_REGISTRY" ]; then
  mkdir -p "$demo/desktop"
  for lib in instaide hsapi dockline; do ln -sf "$build/components/lib$lib.so" "$demo/desktop/"; done
  printf 'Demo User\tdemo\t0\n' >"$demo/desktop/Users"
  printf '[HKEY_CURRENT_USER\\Software\\U.S. Robotics\\Pilot Desktop\\Core]\n"HotSyncPath"="%s"\n' \
    "$demo/desktop/HotSync.exe" >"$ORVANTA_REGISTRY"
  "$build/cli/orvanta-cli" samples --user "Demo User" \
    --install "Contacts" "Household Inventory" "Reading List" "Time Log"
fi
echo
echo "== The Tabulons of $("$build/cli/orvanta-cli" users | head -1): Name, Sync With, Records, Status, Category, Size"
"$build/cli/orvanta-cli" list

# The desktop program on the demo library, with the Household Inventory selected.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo
  echo "== Starting Orvanta on the demo library"
  exec "$build/app/orvanta" --select "Household Inventory"
fi
shot="$root/build/screenshots/main-window.png"
mkdir -p "$(dirname "$shot")"
echo
echo "== No display here: Orvanta runs offscreen and writes a picture of its main window"
QT_QPA_PLATFORM=offscreen "$build/app/orvanta" --select "Household Inventory" --screenshot "$shot" 2>/dev/null
