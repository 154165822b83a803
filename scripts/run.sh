#!/usr/bin/env bash
# Builds Voltaro and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

if [ -x build/default/src/app/voltaro ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/default/src/app/voltaro "$@"
fi
exec build/default/tools/voltaroctl/voltaroctl info "$@"
