#!/usr/bin/env bash
# Ctrl+C ends a watch that has no duration cleanly: the probe sends stop,
# unloads the module, prints its summary and exits with 0. SIGINT to wine
# reaches the program as a Ctrl+C console event.
#
#   ctrl_c_stops_watch.sh WINE_RUN PROBE TIMELINE
set -uo pipefail
wine_run=$1 probe=$2 timeline=$3

out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$wine_run" "$probe" watch --virtual "$timeline" >"$out" 2>"$err" &
pid=$!  # wine-run execs wine, so this is the process that gets the signal

# Wait for the first state line: the module is then loaded and polling.
for _ in $(seq 600); do
  [ -s "$out" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -INT "$pid"
wait "$pid"
status=$?

if [ "$status" = 0 ] && grep -q "stopped after" "$err"; then exit 0; fi
echo "exit status $status (expected 0 and a summary on stderr)"
echo "--- stdout"; cat "$out"; echo "--- stderr"; cat "$err"
exit 1
