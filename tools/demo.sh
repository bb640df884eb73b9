#!/usr/bin/env bash
# The first thing to run after cloning: installs what is missing, builds
# Tesmir.dll, the virtual controller and the probe for 32-bit Windows, then
# lets the real DLL report a scripted controller (demo/timeline.txt) for a few
# seconds under wine: a stick sweep, presses and holds, a hat turn.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/bootstrap.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Tesmir virtual_dinput8 tesmir-probe

bin="$PWD/build/win32/bin"
if [ ! -d build/win32/wineprefix ]; then
  echo "demo: preparing the wine prefix in build/win32 (once, about 15 seconds)"
fi
# wine's own services start once, detached from the demo's output.
build/win32/wine-session start
trap 'build/win32/wine-session stop' EXIT
echo "demo: Tesmir.dll reports the virtual controller; one line per change"
echo

# dinput8=n,b makes wine take the virtual controller's dinput8.dll from beside
# the module. Piped through cat, the probe writes one line per change instead
# of redrawing a console view.
TESMIR_WINE_OVERRIDES=dinput8=n,b build/win32/wine-run "$bin/tesmir-probe.exe" \
  watch --virtual demo/timeline.txt --buttonnum 8 --duration 6 | cat

echo
echo "demo: Tesmir.dll was written to $bin/Tesmir.dll"
echo "demo: try it yourself: build/win32/wine-run $bin/tesmir-probe.exe --help"
