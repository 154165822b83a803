#!/bin/sh
# voltaroctl info against acpi on the same fake battery:
#   info_umockdev.sh VOLTAROCTL FIXTURE [EXPECTED-SLOTS]
# acpi prints mAh; the designed and full-charged mWh of voltaroctl must give
# the same mAh with the voltage each side converts with: the present voltage
# for an energy battery (acpi's rule), the design voltage for a battery that
# reports only charge (the rule for charge-only batteries).
set -u
voltaroctl=$1
fixture=$2
expected_slots=${3:-}
command -v umockdev-run >/dev/null 2>&1 || { echo "umockdev-run is missing"; exit 77; }
# umockdev-run preloads its own library; a sanitizer build must accept that it
# is not first in the list.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
command -v acpi >/dev/null 2>&1 || { echo "acpi is missing"; exit 77; }

info=$(umockdev-run -d "$fixture" -- "$voltaroctl" info) || { echo "voltaroctl failed"; exit 1; }
acpi=$(umockdev-run -d "$fixture" -- acpi -V 2>/dev/null | grep '^Battery 0: design')
echo "$info"
echo "$acpi"

number() { echo "$info" | grep -m1 "$1" | sed 's/.*  \([0-9][0-9,]*\) m.*/\1/' | tr -d ,; }
designed=$(number 'Designed Capacity')
full=$(number 'Full Charged Capacity')
acpi_design=$(echo "$acpi" | sed 's/.*design capacity \([0-9]*\) mAh.*/\1/')
acpi_full=$(echo "$acpi" | sed 's/.*last full capacity \([0-9]*\) mAh.*/\1/')

if grep -q '^A: charge_full_design=' "$fixture"; then
  millivolts=$(($(grep '^A: voltage_min_design=' "$fixture" | cut -d= -f2) / 1000))
else
  millivolts=$(number 'Battery Voltage')
fi

status=0
check() {  # name, mWh, acpi mAh
  mah=$(($2 * 1000 / millivolts))
  if [ "$mah" -ne "$3" ]; then
    echo "FAIL: $1 $2 mWh at $millivolts mV is $mah mAh; acpi says $3 mAh"
    status=1
  fi
}
check "designed capacity" "$designed" "$acpi_design"
check "full-charged capacity" "$full" "$acpi_full"

if [ -n "$expected_slots" ] && ! echo "$info" | grep -q "^Slots / Batteries  $expected_slots\$"; then
  echo "FAIL: Slots / Batteries is not $expected_slots"
  status=1
fi
exit $status
