#!/usr/bin/env bash
# Builds Voltaro and runs every test: the default preset (warnings are errors)
# on Linux, then the Windows cross build under wine; with --asan also the
# sanitizer preset. VOLTARO_SKIP_WINDOWS=1 leaves out the Windows leg.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

presets=(default)
[ "${1:-}" = "--asan" ] && presets+=(asan)

for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset" -j "$(nproc)"
done

if [ "${VOLTARO_SKIP_WINDOWS:-0}" != "1" ]; then
  bash scripts/test-windows.sh
fi
