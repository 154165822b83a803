#!/bin/sh
# The program maps neither Qt Network nor the sound libraries: Qt Network
# comes with the module it loads for the first update check, libpulse with
# the sound helper it runs; both are built beside it.
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
# The same libraries are what the module and the helper are for.
for pair in voltaro-sound:libpulse-simple voltaro-http.so:libQt6Network; do
  module=$folder/${pair%%:*}
  library=${pair#*:}
  [ -s "$module" ] || { echo "FAIL: $module is missing"; status=1; continue; }
  readelf -d "$module" | grep NEEDED | grep -q "$library" ||
    { echo "FAIL: $module does not need $library"; status=1; }
done
exit $status
