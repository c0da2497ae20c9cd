#!/usr/bin/env bash
# Builds every libFuzzer target (clang) and runs each for a while on its own
# corpus under build/fuzz/corpus/. Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/setup-debian.sh
cmake --preset fuzz >/dev/null
targets=$(ninja -C build/fuzz -t targets all | grep -v _autogen | sed -n "s/^\(fuzz_[a-z_]*\): .*/\1/p" | sort -u)
[ -n "$targets" ] || { echo "no fuzz targets"; exit 1; }
cmake --build --preset fuzz --target $targets
for t in $targets; do
  bin=$(find build/fuzz -type f -name "$t" -perm -u+x | head -1)
  mkdir -p "build/fuzz/corpus/$t"
  echo "== $t ($seconds s)"
  "$bin" -max_total_time="$seconds" -print_final_stats=0 "build/fuzz/corpus/$t" 2>&1 | tail -2
done
