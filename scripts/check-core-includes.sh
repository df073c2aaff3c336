#!/usr/bin/env bash
# The core modules are standard C++: fails when one of them includes a Qt header.
set -euo pipefail
cd "$(dirname "$0")/.."
core="src/common src/dsp src/audio src/devices src/export src/alarms src/library src/sharing"
dirs=$(for d in $core; do [ -d "$d" ] && echo "$d"; done)
[ -n "$dirs" ] || exit 0
# shellcheck disable=SC2086
if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]+|qt[A-Za-z]*/|Qt[A-Za-z]*/)' $dirs; then
  echo "Qt headers are not allowed in the core modules (above)." >&2
  exit 1
fi
