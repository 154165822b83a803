#!/bin/sh
# The program at rest maps neither Qt Network nor the sound libraries: they
# come with the modules it loads on first use and the volume helper it runs,
# which are built beside it.
#   program_libraries.sh PROGRAM
set -u
program=$1
folder=$(dirname "$program")
status=0
libraries=$(ldd "$program") || { echo "FAIL: ldd $program"; exit 1; }
for library in libQt6Network libpulse libkrb5 libgssapi libsndfile; do
  if echo "$libraries" | grep -q "$library"; then
    echo "FAIL: the program maps $library:"
    echo "$libraries" | grep "$library"
    status=1
  fi
done
# The same libraries are what the modules are for.
for pair in voltaro-sound.so:libpulse-simple voltaro-http.so:libQt6Network \
            voltaro-volume:libpulse; do
  module=$folder/${pair%%:*}
  library=${pair#*:}
  [ -s "$module" ] || { echo "FAIL: $module is missing"; status=1; continue; }
  readelf -d "$module" | grep NEEDED | grep -q "$library" ||
    { echo "FAIL: $module does not need $library"; status=1; }
done
exit $status
