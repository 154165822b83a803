#!/bin/sh
# voltaroctl watch on a fake battery of 30,000 mWh discharging at 12,000 mW:
#   watch_umockdev.sh VOLTAROCTL FIXTURE
# 1. The left column's "Time" reads 2 h 30 m (30,000 mWh / 12,000 mW), the
#    same time that acpi gives for the same fake battery.
# 2. Started on the mains adapter, then unplugged while watch runs (the
#    adapter's online file and the battery's status are rewritten under it):
#    exactly one "Battery is discharging" notice, not one per tick.
set -u
voltaroctl=$1
fixture=$2
command -v umockdev-run >/dev/null 2>&1 || { echo "umockdev-run is missing"; exit 77; }
# umockdev-run preloads its own library; a sanitizer build must accept that it
# is not first in the list.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
command -v acpi >/dev/null 2>&1 || { echo "acpi is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -f "$work"/watch-on-battery "$work"/watch-unplugged; rmdir "$work"' EXIT
status=0
fail() { echo "FAIL: $1"; status=1; }

umockdev-run -d "$fixture" -- "$voltaroctl" watch --seconds 5 >"$work/watch-on-battery" ||
  fail "voltaroctl watch exited with $?"
cat "$work/watch-on-battery"
grep -q '  Time: 2 h 30 m$' "$work/watch-on-battery" || fail "Time is not 2 h 30 m"
grep -q '  Mode: Discharging$' "$work/watch-on-battery" || fail "Mode is not Discharging"

acpi=$(umockdev-run -d "$fixture" -- acpi -V 2>/dev/null | grep '^Battery 0: Discharging')
echo "$acpi"
echo "$acpi" | grep -q ', 02:30:00 remaining' || fail "acpi does not say 02:30 remaining"

# Inside umockdev-run the fake tree lives in $UMOCKDEV_DIR; writing its files
# there is what a kernel changing the attributes looks like to the driver.
umockdev-run -d "$fixture" -- sh -c '
  ac=$(find "$UMOCKDEV_DIR/sys/devices" -path "*/power_supply/AC" -type d)
  bat=$(find "$UMOCKDEV_DIR/sys/devices" -path "*/power_supply/BAT0" -type d)
  echo 1 >"$ac/online"
  echo Full >"$bat/status"
  "$1" watch --seconds 7 &
  watcher=$!
  sleep 3
  echo 0 >"$ac/online"
  echo Discharging >"$bat/status"
  wait $watcher
' sh "$voltaroctl" >"$work/watch-unplugged" || fail "voltaroctl watch (unplugged) exited with $?"
cat "$work/watch-unplugged"

notices=$(grep -c 'notice: Message / Battery is discharging$' "$work/watch-unplugged")
[ "$notices" -eq 1 ] || fail "$notices \"Battery is discharging\" notices, expected 1"
# The notice must follow the unplugging: on the adapter the mode was AC Power.
first_mode=$(grep -m1 '  Mode: ' "$work/watch-unplugged" | sed 's/.*Mode: //')
[ "$first_mode" = "AC Power" ] || fail "first Mode is '$first_mode', expected AC Power"
grep -q '  Mode: Discharging$' "$work/watch-unplugged" || fail "Mode never became Discharging"
exit $status
