#!/usr/bin/env bash
# Sets up Quillophone and starts the desktop program: installs the packages, builds, and runs
# `quillophone` until you close it (or for SECONDS when given).
#   scripts/run-desktop.sh [SECONDS]
# Without a sound server it starts a private one whose microphone is a 440 Hz tone, and says
# so. Without a display it says so, starts a virtual one (Xvfb with the openbox window
# manager), runs the program on it, saves a screenshot of the window and prints its path.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
seconds=${1:-}

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" >/dev/null
cmake --build "$build" -j2 --target quillophone >/dev/null
program="$build/src/cli/quillophone"

cleanup=()
# Undone in reverse order: the program before the display it runs on.
trap 'for ((i = ${#cleanup[@]} - 1; i >= 0; i--)); do eval "${cleanup[i]}"; done' EXIT
if ! pactl info >/dev/null 2>&1; then
  pulse_dir=$(mktemp -d /tmp/qp-pulse.XXXXXX)
  cleanup+=("'$top/scripts/pulse-private.sh' stop '$pulse_dir'; rm -rf '$pulse_dir'")
  eval "$("$top/scripts/pulse-private.sh" start "$pulse_dir")"
  echo "No sound server was running: started a private one whose microphone plays a 440 Hz tone."
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Quillophone (its icon waits in the notification area when you close the window;"
  echo "'$program /kill' ends it)."
  if [ -n "$seconds" ]; then
    "$program" & pid=$!
    sleep "$seconds"
    "$program" /kill
    wait "$pid"
  else
    exec "$program"
  fi
  exit 0
fi

echo "No display: starting a virtual one (Xvfb) with a window manager for the screenshot."
display_file=$(mktemp)
# -displayfd: the server picks a free display and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
cleanup+=("kill $! 2>/dev/null; rm -f '$display_file'")
for _ in $(seq 1 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$display_file")"
openbox --sm-disable >/dev/null 2>&1 &
cleanup+=("kill $! 2>/dev/null")
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

QT_QPA_PLATFORM=xcb "$program" & pid=$!
cleanup+=("'$program' /kill >/dev/null 2>&1; wait $pid 2>/dev/null")
window=""
for _ in $(seq 1 150); do
  window=$(xdotool search --onlyvisible --name '^Quillophone$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "The window did not appear." >&2
  exit 1
fi
sleep "${seconds:-1}"
shot="$build/quillophone-window.png"
import -window "$window" "$shot"
echo "Quillophone ran on the virtual display $DISPLAY; screenshot of its window: $shot"
