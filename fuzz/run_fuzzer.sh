#!/bin/sh
# run_fuzzer.sh FUZZER SEEDS WORK RUNS
# Runs a libFuzzer program for RUNS inputs, starting from its committed seeds.
# New inputs go to WORK/corpus (emptied first, so every run has the same
# budget); an input that crashes is kept as WORK/crash-* and named in the log.
# The targets' own files go to memory when it can (TMPDIR=/dev/shm): the data
# files are written with fsync, which on a busy disk would take most of the
# budget.
set -eu
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
fuzzer=$1 seeds=$2 work=$3 runs=$4
rm -rf "$work/corpus"
mkdir -p "$work/corpus"
exec "$fuzzer" -runs="$runs" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" "$seeds"
