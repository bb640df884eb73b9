#!/usr/bin/env bash
# Builds both trees and runs every test in them: the native tree (portable code
# under ASan and UBSan, plus a bounded fuzzing run) and the win32 tree (the real
# DLL and its tests under 32-bit wine). This is exactly what CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/bootstrap.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset win32 >/dev/null
cmake --build --preset win32

# In the win32 tree ctest first starts one wine session (a persistent
# wineserver and wine's services) that every test program then shares.
status=0
ctest --preset native -j2 --timeout 600 || status=1
ctest --preset win32 -j2 --timeout 600 || status=1
exit "$status"
