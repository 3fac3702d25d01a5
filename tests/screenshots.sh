#!/usr/bin/env bash
# Writes a picture of each window and dialog of the desktop program into <build>/screenshots/
# (offscreen, on a scratch desktop with the sample Tabulons). Usage: tests/screenshots.sh [BUILD]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/release-werror"}
cmake --build "$build" --target app_screenshots
mkdir -p "$build/screenshots"
QT_QPA_PLATFORM=offscreen "$build/tests/app/app_screenshots" "$build/screenshots"
