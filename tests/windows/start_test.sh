#!/usr/bin/env bash
# Mirtavo.exe from the unpacked zip, under Wine on a desktop of its own: the main window opens
# with its exact caption, and its first option opens the alpha window.
set -euo pipefail
build_dir=$1
here=$(dirname "$0")
fail() { echo "FAIL: $*" >&2; exit 1; }

zip=$build_dir/Mirtavo-1.0-win64.zip
[ -f "$zip" ] || fail "$zip is missing: scripts/build-windows makes it"
unpacked=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")
program=$unpacked/Mirtavo-1.0-win64/Mirtavo.exe
[ -f "$program" ] || fail "the zip has no Mirtavo-1.0-win64/Mirtavo.exe"

bash "$here/../support/on_desktop.sh" bash -c '
  set -euo pipefail
  fail() { echo "FAIL: $*" >&2; exit 1; }
  "$MIRTAVO_WINE" "$1" >/dev/null 2>&1 &
  window() { timeout 120 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
  main=$(window "^Mirtavo -- Reliability Computation\$") || fail "no main window"
  echo "main window: $(xdotool getwindowname "$main")"
  # Option1 is at (240, 1200) twips in the client area, 7215 x 255: click inside its caption.
  sleep 1
  xdotool mousemove --window "$main" 60 88 click 1
  alpha=$(window "^Estimate reliability using variances\$") || fail "Option1 opened no window"
  echo "Option1 opened: $(xdotool getwindowname "$alpha")"
' start "$program"
