#!/usr/bin/env bash
# Screenshots of the Windows program under wine on a virtual X server with a
# tray host and a compositor: the Information page, the Graph page, the tray
# icon's menu and the gadget, on the simulated battery of a scenario.
#   scripts/windows-screenshots.sh [OUTPUT_FOLDER] [SCENARIO]
# Needs the windows preset built (scripts/test-windows.sh) and xvfb, xauth,
# trayer, xcompmgr, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/windows/screenshots}
scenario=${2:-assets/scenarios/demo-discharging.txt}
program=build/windows/src/win32/voltaro.exe
[ -f "$program" ] || { echo "windows-screenshots: build $program first" >&2; exit 2; }
for tool in xvfb-run trayer xcompmgr xdotool import wine; do
  command -v "$tool" >/dev/null || { echo "windows-screenshots: needs $tool" >&2; exit 2; }
done
mkdir -p "$out"
out=$(realpath "$out")
# A prefix of its own: a running wine without a display would own the
# desktop of the tests' prefix.
export WINEPREFIX="$PWD/build/windows/screenshot-prefix" WINEDEBUG=-all
export VOLTARO_SIMULATE="Z:$(realpath "$scenario" | tr / '\\')" VOLTARO_SHOW_WINDOW=1

inner=$(mktemp)
cat >"$inner" <<'INNER'
set -u
xcompmgr >/dev/null 2>&1 & compositor=$!
trayer --edge bottom --align right --widthtype pixel --width 160 --heighttype pixel \
  --height 32 >/dev/null 2>&1 & tray=$!
wineboot -i >/dev/null 2>&1
wine "$PROGRAM" >/dev/null 2>&1 & program=$!
sleep 25
import -window root "$OUT/information.png"
# The main window is centred on the 1280 x 900 screen: its top-left corner
# is at (140, 115) and the Graph button's middle 227 pixels right of it.
xdotool mousemove 367 160 click 1
sleep 3
import -window root "$OUT/graph.png"
# The tray icon is the last one on the right of the tray host.
xdotool mousemove 1268 884 click 3
sleep 3
import -window root "$OUT/tray-menu.png"
xdotool key Escape
wineserver -k >/dev/null 2>&1
kill $program $tray $compositor 2>/dev/null
wait $program 2>/dev/null
INNER
PROGRAM="$PWD/$program" OUT="$out" xvfb-run -a -s "-screen 0 1280x900x24" bash "$inner"
rm -f "$inner"
ls "$out"
