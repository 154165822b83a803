#!/bin/sh
# Runs a test program inside a fake device tree: run_under_umockdev.sh FIXTURE PROGRAM [ARGS].
# The program finds the tree's root in $UMOCKDEV_DIR and the fixture's name in
# $VOLTARO_FIXTURE. Without umockdev-run it runs the program anyway with
# VOLTARO_UMOCKDEV_MISSING=1, so the test can say why it skips.
fixture=$1
shift
VOLTARO_FIXTURE=$(basename "$fixture" .umockdev)
export VOLTARO_FIXTURE
if ! command -v umockdev-run >/dev/null 2>&1; then
  VOLTARO_UMOCKDEV_MISSING=1 exec "$@"
fi
# umockdev-run preloads its own library; a sanitizer build must accept that it
# is not first in the list.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
exec umockdev-run -d "$fixture" -- "$@"
