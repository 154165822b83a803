#!/usr/bin/env bash
# Builds Voltaro and starts it. On a machine without a battery it runs on the
# simulated battery of assets/scenarios/demo-discharging.txt (or the scenario
# named by VOLTARO_SIMULATE); without a display it runs under a virtual X
# server (xvfb-run). Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

has_battery() {
  local supply
  for supply in /sys/class/power_supply/*; do
    [ "$(cat "$supply/type" 2>/dev/null)" = "Battery" ] &&
      [ "$(cat "$supply/scope" 2>/dev/null)" != "Device" ] && return 0
  done
  return 1
}

if [ -z "${VOLTARO_SIMULATE:-}" ] && ! has_battery; then
  export VOLTARO_SIMULATE="$PWD/assets/scenarios/demo-discharging.txt"
  echo "No battery here: Voltaro runs on the simulated battery of $VOLTARO_SIMULATE."
fi

program=build/default/src/app/voltaro
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
fi
echo "No display here: Voltaro runs under a virtual X server (xvfb-run); stop it with Ctrl+C."
exec xvfb-run -a "$program" "$@"
