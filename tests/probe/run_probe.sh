#!/usr/bin/env bash
# Runs tesmir-probe once and checks what a user of it relies on: the exit
# status, stdout (exactly, with the watch's "[  1.234s] " time stamps taken
# off, since frame timing varies) and one line of stderr.
#
#   run_probe.sh WINE_RUN PROBE EXIT_STATUS STDOUT_FILE|- STDERR_REGEX|- [ARGUMENT...]
set -uo pipefail
wine_run=$1 probe=$2 want_status=$3 want_stdout=$4 want_stderr=$5
shift 5

out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$wine_run" "$probe" "$@" >"$out" 2>"$err"
status=$?

failed=0
if [ "$status" != "$want_status" ]; then
  echo "exit status $status, expected $want_status"
  failed=1
fi
if [ "$want_stdout" != "-" ]; then
  if ! sed -E 's/^\[ *[0-9]+\.[0-9]{3}s\] //' "$out" | diff -u "$want_stdout" - ; then
    echo "stdout differs from $want_stdout (- expected, + actual)"
    failed=1
  fi
fi
if [ "$want_stderr" != "-" ] && ! grep -Eq -- "$want_stderr" "$err"; then
  echo "stderr does not match: $want_stderr"
  failed=1
fi
if [ "$failed" != 0 ]; then
  echo "--- stdout"; cat "$out"; echo "--- stderr"; cat "$err"
fi
exit "$failed"
