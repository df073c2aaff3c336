#!/usr/bin/env bash
# The core modules are standard C++ that reach the system through interfaces of their own:
# fails when one of them includes a header of Qt, PulseAudio or FFmpeg, or <spawn.h> or
# <dlfcn.h>, or calls a function that forks or replaces the process (starting programs and
# loading libraries belong in src/platform, behind the core's interfaces).
set -euo pipefail
cd "$(dirname "$0")/.."
core="src/common src/skins src/dsp src/audio src/devices src/export src/alarms src/library src/sharing"
dirs=$(for d in $core; do [ -d "$d" ] && echo "$d"; done)
[ -n "$dirs" ] || exit 0
status=0
check() {
  local pattern=$1 what=$2
  # shellcheck disable=SC2086
  if grep -rnE "^\s*#\s*include\s*[<\"]($pattern)" $dirs; then
    echo "$what headers are not allowed in the core modules (above)." >&2
    status=1
  fi
}
check 'Q[A-Za-z]+|qt[A-Za-z]*/|Qt[A-Za-z]*/' "Qt"
check 'pulse/' "PulseAudio"
check 'libav[a-z]*/|libsw[a-z]*/' "FFmpeg"
check 'spawn\.h>|dlfcn\.h>' "<spawn.h> and <dlfcn.h>"
# shellcheck disable=SC2086
if grep -rnE '(^|[^A-Za-z0-9_.>])(v?fork|exec[lv]p?e?|posix_spawnp?)\s*\(' $dirs; then
  echo "Forking or replacing the process is not allowed in the core modules (above)." >&2
  status=1
fi
exit $status
