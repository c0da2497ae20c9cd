#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
# With --asan, does the same in the AddressSanitizer + UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=ci
[ "${1:-}" = "--asan" ] && preset=asan
scripts/setup-debian.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)"
