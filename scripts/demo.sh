#!/usr/bin/env bash
# Sets up Quillophone and makes a real recording with it: installs the packages, builds,
# records a note from the default microphone, shows its details and plays it back.
#   scripts/demo.sh [SECONDS]     (default 5; Enter stops earlier)
# On a machine without a sound server it starts a private one whose microphone is a 440 Hz
# tone, and says so: the recording is still made through the real sound system.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-5}
build="$top/build"

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" >/dev/null
cmake --build "$build" -j2 --target quillophone-cli >/dev/null

if ! pactl info >/dev/null 2>&1; then
  pulse_dir=$(mktemp -d /tmp/qp-pulse.XXXXXX)
  trap '"$top/scripts/pulse-private.sh" stop "$pulse_dir"; rm -rf "$pulse_dir"' EXIT
  eval "$("$top/scripts/pulse-private.sh" start "$pulse_dir")"
  echo "No sound server was running: started a private one whose microphone plays a 440 Hz tone."
fi

notes="${QUILLOPHONE_NOTES_DIR:-$HOME/Quillophone-demo}"
mkdir -p "$notes"
note="$notes/QP_demo_$(date +%Y-%m-%d_%H.%M.%S).wav"
echo "Recording $seconds seconds into $note (Enter stops earlier)..."
"$build/src/cli/quillophone-cli" record "$note" --seconds "$seconds"
"$build/src/cli/quillophone-cli" info "$note"
echo "Playing it back..."
"$build/src/cli/quillophone-cli" play "$note"
