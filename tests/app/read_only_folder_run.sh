#!/bin/bash
# The running program on a simulated discharge, its data folder made
# read-only for 20 seconds and then writable again: it goes on ticking, so
# the discharge log resumes by itself; every file's fault is reported at most
# once and nothing waits for a click; SIGTERM then runs the exit procedure,
# which saves the settings. Usage: read_only_folder_run.sh VOLTARO
set -u
voltaro=$1
work=$(mktemp -d /tmp/voltaro_read_only_run.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "${KEEP:-}" ] && { echo "kept $work"; return; }
  rm -rf "$work"
}
trap cleanup EXIT
skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAILED: $*"
  echo "--- standard error of the program:"
  cat "$work/stderr.txt"
  echo "--- discharge log:"
  cat -A "$data/voltarolog.txt" 2>/dev/null
  exit 1
}

# Root ignores permission bits, so the program then runs as an unprivileged user.
runas=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null ||
    skip "running as root without setpriv, a folder cannot be made read-only for the program"
  runas=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

home=$work/home
data=$home/Documents/Keldwick/Voltaro
mkdir -p "$data"
# Fresh defaults with "Auto Run" off and "Discharge Log" on.
printf '\x00\x00\x1e\x00\x00\x05\x00\x01\x00\xff\x00\x00\x00\x00\x00\x00\x00' >"$data/voltaro.ini"
printf '\x00\x01\x00\x00\x64\x01\x00\x01\x05\x00\x00\x00' >>"$data/voltaro.ini"
printf '\x00\x00\x01\x01\x00\x00\x00\xff\x01\x01\x00\x01\x01\x01\x01\x01\x01\x01' >>"$data/voltaro.ini"
printf '\x00\x01\x02\x01' >>"$data/voltaro.ini"
# A battery losing 1 % every 2 seconds.
{
  echo 'slot 1 interface battery tag=1001'
  echo 'info 1 designed=50000 full=50000 low=2500 warning=5000 name=KP-50 manufacturer=Keldwick serial=7'
  echo 'status 1 state=discharging capacity=45000 rate=-15000 voltage=11400 estimate=unknown'
  for second in $(seq 2 2 90); do
    echo "at $second status 1 capacity=$((45000 - second * 250))"
  done
} >"$work/discharge.txt"
[ "$(id -u)" = 0 ] && chown -R 65534:65534 "$work"

entries() {
  local count
  count=$(grep -c $'\t' "$data/voltarolog.txt" 2>/dev/null)
  echo "${count:-0}"
}

env -i PATH="$PATH" HOME="$home" USER="voltaro-read-only-run-$$" TMPDIR="$work" \
  XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen VOLTARO_SIMULATE="$work/discharge.txt" \
  "${runas[@]}" "$voltaro" >"$work/stdout.txt" 2>"$work/stderr.txt" &
pid=$!

# Waits up to 30 s for the log to hold at least $1 entries.
await_entries() {
  for _ in $(seq 1 60); do
    [ "$(entries)" -ge "$1" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    sleep 0.5
  done
  return 1
}

await_entries 1 || fail "the discharge log did not start"
chmod -R a-w "$data"
before=$(entries)
sleep 20
during=$(entries)
chmod -R u+w "$data"
[ "$during" = "$before" ] || fail "the log grew while its folder was read-only ($before, $during)"
await_entries $((during + 2)) || fail "the log did not resume by itself after $during entries"
after=$(entries)

touch "$work/before-exit"
sleep 1
kill -TERM "$pid"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on SIGTERM"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "the program ended with status $status on SIGTERM"
[ "$data/voltaro.ini" -nt "$work/before-exit" ] || fail "the exit procedure did not save the settings"

# Every entry a whole line of its own: date, time, level, and the time since.
malformed=$(grep $'\t' "$data/voltarolog.txt" |
  grep -cvE $'^[0-9]+/[0-9]+/[0-9]+\t[0-9]+:[0-9]{2}:[0-9]{2}\t[0-9]+\\.[0-9] % ( {4}([0-9]+ min )?[0-9]+ sec)?\r$')
[ "$malformed" = 0 ] || fail "$malformed log lines are not single whole entries"

reports=$(grep -c '^voltaro: ' "$work/stderr.txt")
[ "$reports" -ge 1 ] || fail "the read-only folder was not reported"
# Each report names its file first.
repeated=$(sed -n 's/^voltaro: [^"]*"\([^"]*\)".*/\1/p' "$work/stderr.txt" | sort | uniq -d)
[ -z "$repeated" ] || fail "reported more than once: $repeated"
echo "log entries $before, $during while read-only, $after after; $reports reports, one per file"
