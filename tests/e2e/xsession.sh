#!/usr/bin/env bash
# Runs a command inside its own X session: Xvfb on a free display and openbox.
# Both are stopped by process id when the command ends; the command's status is returned.
set -u

display=""
for number in $(seq 90 140); do
  if [ ! -e "/tmp/.X${number}-lock" ] && [ ! -e "/tmp/.X11-unix/X${number}" ]; then
    display=":${number}"
    break
  fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
openbox_pid=""
cleanup() {
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

export DISPLAY="$display"
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $display" >&2; exit 1; }

openbox >/dev/null 2>&1 &
openbox_pid=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
  || { echo "openbox did not start on $display" >&2; exit 1; }

unset QT_QPA_PLATFORM
"$@"
