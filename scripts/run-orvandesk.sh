#!/usr/bin/env bash
# Builds orvandesk and starts it with a simulated mouse attached (and its
# "Simulated mouse" control window beside it). Without a display it runs under
# Xvfb, saves a screenshot of the connected window and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvandesk
program=build/default/orvandesk/app/orvandesk
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" --simulate "$@"
fi
echo "No display: running under Xvfb and taking a screenshot."
exec xvfb-run -a -s "-screen 0 1600x900x24" "$program" --simulate \
  --screenshot "$PWD/build/default/orvandesk-connected.png" --quit-after 8000 "$@"
