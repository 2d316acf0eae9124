#!/usr/bin/env bash
# Runs a command on a desktop of its own: a virtual X server of 1280 x 1024 pixels with the
# openbox window manager, both gone when the command ends.
#   on_desktop.sh COMMAND [ARGUMENT...]
set -euo pipefail
run=$(mktemp -d)
cleanup() {
  kill "${wm:-}" "${xserver:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$run"
}
trap cleanup EXIT

exec 3>"$run/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$run/xvfb.log" 2>&1 &
xserver=$!
exec 3>&-
for _ in $(seq 100); do
  [ -s "$run/display" ] && break
  sleep 0.1
done
export DISPLAY=:$(head -1 "$run/display")

HOME=$run openbox --sm-disable >"$run/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

"$@"
