#!/usr/bin/env bash
# Builds orvandesk and starts it with a simulated mouse attached.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvandesk
exec build/default/orvandesk/app/orvandesk --simulate "$@"
