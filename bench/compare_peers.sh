#!/bin/sh
# Voltaro side by side with its peers on the same fake battery:
#   bench/compare_peers.sh [BUILD-FOLDER]   (default build/default)
# 1. `voltaroctl info` against `acpi -V`: wall time, hyperfine if installed,
#    else a loop timed with date +%s%N; prints the ratio (aim: at most 1.5).
# 2. The program at rest (hidden in the tray, gadget off) against a bare Qt
#    tray program (bench/tray) and cbatticon, each under Xvfb with trayer as
#    the tray host: resident memory (VmRSS) and Pss after it settles; prints
#    the ratios (aim: the program at most 40 MB).
# Installs what it lacks with apt-get when run as root. Not part of the tests.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/default}
build=$(cd "$build" && pwd)
fixture=$here/../tests/data/power_supply/g-30wh-discharging-12w.umockdev
voltaroctl=$build/tools/voltaroctl/voltaroctl
program=$build/src/app/voltaro
bare=$build/bench/tray/bare_tray
runs=${RUNS:-200}
settle=${SETTLE:-8}

need() {  # command package
  command -v "$1" >/dev/null 2>&1 && return 0
  if [ "$(id -u)" = 0 ]; then
    apt-get install -y --no-install-recommends "$2" >/dev/null
  else
    echo "$1 is missing (apt-get install $2)" >&2
    exit 1
  fi
}
need umockdev-run umockdev
need acpi acpi
need Xvfb xvfb
need trayer trayer
need cbatticon cbatticon
for file in "$voltaroctl" "$program" "$bare"; do
  [ -x "$file" ] || { echo "$file is missing: build the project first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- 1. info against acpi -V -------------------------------------------------
cat >"$work/times.sh" <<SCRIPT
set -eu
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine -N --warmup 10 --runs $runs --export-json "$work/times.json" \
    "$voltaroctl info" "acpi -V" >/dev/null 2>&1
  python3 -c 'import json,sys; r=json.load(open(sys.argv[1]))["results"]; print(*(round(x*1e3, 3) for x in (r[0]["mean"], r[1]["mean"], r[0]["user"] + r[0]["system"], r[1]["user"] + r[1]["system"])))' "$work/times.json"
else
  loop() {
    start=\$(date +%s%N)
    i=0
    while [ \$i -lt $runs ]; do "\$@" >/dev/null 2>&1; i=\$((i + 1)); done
    echo "(\$(date +%s%N) - \$start) / $runs / 1000000" | bc -l
  }
  echo "\$(loop $voltaroctl info) \$(loop acpi -V) 0 0"
fi
SCRIPT
set -- $(umockdev-run -d "$fixture" -- sh "$work/times.sh")
info_ms=$1 acpi_ms=$2 info_cpu=$3 acpi_cpu=$4
printf '%-16s %9s %9s\n' "" "wall ms" "CPU ms"
printf '%-16s %9.2f %9.2f\n' "voltaroctl info" "$info_ms" "$info_cpu"
printf '%-16s %9.2f %9.2f\n' "acpi -V" "$acpi_ms" "$acpi_cpu"
printf 'ratio info / acpi -V: %.2f wall (aim: at most 1.50)' "$(echo "$info_ms / $acpi_ms" | bc -l)"
if [ "$acpi_cpu" != 0 ]; then
  printf ', %.2f CPU' "$(echo "$info_cpu / $acpi_cpu" | bc -l)"
fi
printf '\n\n'
# On a busy machine the wall times mostly measure the wait for a core; the
# CPU times (user + system) are what the programs themselves spend.

# --- 2. memory at rest --------------------------------------------------------
# The program's data folder in a scratch home, with the gadget turned off:
# the settings of a simulated run, byte 40 (ShowBatteryGadget) set to 0.
home=$work/home
mkdir -p "$home/Documents" "$home/.config"
echo 'XDG_DOCUMENTS_DIR="$HOME/Documents"' >"$home/.config/user-dirs.dirs"
scenario=$here/../tools/voltaroctl/scenarios/workday.txt
"$voltaroctl" simulate "$scenario" --hours 1 --data "$home/Documents" >/dev/null
settings=$home/Documents/Keldwick/Voltaro/voltaro.ini
printf '\000' | dd of="$settings" bs=1 seek=40 conv=notrunc status=none

# Prints "RSS-kB PSS-kB" of `command` after it settled, under its own Xvfb
# with a tray host.
at_rest() {
  cat >"$work/rest.sh" <<SCRIPT
display=:\$((90 + \$\$ % 100))
Xvfb \$display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=\$!
sleep 1
export DISPLAY=\$display HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb
trayer --edge bottom --widthtype request >/dev/null 2>&1 &
tray=\$!
sleep 1
"\$@" >/dev/null 2>&1 &
pid=\$!
sleep $settle
rss=\$(awk '/^VmRSS:/ { print \$2 }' /proc/\$pid/status)
pss=\$(awk '/^Pss:/ { print \$2 }' /proc/\$pid/smaps_rollup)
echo "\$rss \$pss"
kill \$pid \$tray \$xvfb 2>/dev/null
wait 2>/dev/null
SCRIPT
  umockdev-run -d "$fixture" -- sh "$work/rest.sh" "$@"
}
set -- $(at_rest "$program")
voltaro_rss=$1 voltaro_pss=$2
set -- $(at_rest "$bare")
bare_rss=$1 bare_pss=$2
set -- $(at_rest cbatticon)
cbat_rss=$1 cbat_pss=$2
mb() { echo "$1 / 1024" | bc -l; }
printf '%-22s %8s %8s\n' "at rest" "RSS MB" "Pss MB"
printf '%-22s %8.1f %8.1f\n' "voltaro" "$(mb "$voltaro_rss")" "$(mb "$voltaro_pss")"
printf '%-22s %8.1f %8.1f\n' "bare Qt tray program" "$(mb "$bare_rss")" "$(mb "$bare_pss")"
printf '%-22s %8.1f %8.1f\n' "cbatticon" "$(mb "$cbat_rss")" "$(mb "$cbat_pss")"
printf 'ratio voltaro / bare Qt tray: %.2f (RSS)\n' "$(echo "$voltaro_rss / $bare_rss" | bc -l)"
printf 'ratio voltaro / cbatticon:    %.2f (RSS)\n' "$(echo "$voltaro_rss / $cbat_rss" | bc -l)"
printf 'voltaro at rest: %.1f MB (aim: at most 40)\n' "$(mb "$voltaro_rss")"
