#!/usr/bin/env bash
# Runs a command inside its own X session: Xvfb on a free display and openbox.
# Both are stopped by process id when the command ends; the command's status is returned.
#   xsession.sh [--no-wm] command...   (--no-wm: no window manager, so windows have no frame)
set -u

window_manager=yes
if [ "${1:-}" = "--no-wm" ]; then
  window_manager=no
  shift
fi

workdir=$(mktemp -d)
xvfb_pid=""
openbox_pid=""
cleanup() {
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks the free display itself and names it only once it accepts connections,
# so no other server can be mistaken for ours.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  [ -s "$workdir/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
number=$(head -n 1 "$workdir/display" 2>/dev/null)
[ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":${number}"

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# A loaded machine can make openbox give up on its first connection; try again then.
for _ in 1 2 3; do
  [ "$window_manager" = yes ] || break
  openbox >"$workdir/openbox.log" 2>&1 &
  openbox_pid=$!
  for _ in $(seq 300); do
    wm_running && break
    kill -0 "$openbox_pid" 2>/dev/null || break
    sleep 0.1
  done
  wm_running && break
  kill "$openbox_pid" 2>/dev/null
  wait "$openbox_pid" 2>/dev/null
  openbox_pid=""
done
if [ "$window_manager" = yes ] && ! wm_running; then
  echo "openbox did not start on $DISPLAY:" >&2
  cat "$workdir/openbox.log" >&2
  exit 1
fi

unset QT_QPA_PLATFORM
"$@"
