#!/usr/bin/env bash
# Runs a Qt Test program of the Windows build under Wine on the offscreen platform. Under Wine
# the test log written to standard output is lost, so it goes to a file that is shown after.
#   wine_qtest.sh WINE PROGRAM.exe
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$1" "$2" -platform offscreen -o "$log,txt"
status=$?
cat "$log"
exit $status
