#!/usr/bin/env bash
# Builds Voltaro and runs every test: the default preset (warnings are errors),
# then, with --asan, the sanitizer preset too.
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
