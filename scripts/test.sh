#!/usr/bin/env bash
# Sets up and runs every test of Quillophone: installs the Debian packages, builds with
# warnings as errors, starts a private sound server (unless one was started for us, see
# QP_PULSE_DIR) and runs CTest with all labels: unit, pulse, gui, e2e.
#   QP_BUILD_DIR   build folder (default: build-test)
#   QP_CMAKE_ARGS  extra CMake options, e.g. -DQP_SANITIZE=ON
#   QP_CTEST_ARGS  extra CTest options, e.g. -L unit
#   QP_TEST_REGEX  build and run only the tests whose names match (and the programs they run)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD_DIR:-$top/build-test}

"$top/scripts/install-deps.sh"
# shellcheck disable=SC2086
cmake -S "$top" -B "$build" -DQP_WERROR=ON ${QP_CMAKE_ARGS:-} >/dev/null
if [ -n "${QP_TEST_REGEX:-}" ]; then
  # ctest lists the tests from the configured tree; each test's program is its target.
  targets=$(ctest --test-dir "$build" -N -R "$QP_TEST_REGEX" | awk '/Test +#/ {print $3}')
  # shellcheck disable=SC2086
  cmake --build "$build" -j2 --target quillophone-cli $targets
  QP_CTEST_ARGS="${QP_CTEST_ARGS:-} -R $QP_TEST_REGEX"
else
  cmake --build "$build" -j2
fi

if [ -z "${QP_PULSE_DIR:-}" ]; then
  pulse_dir=$(mktemp -d /tmp/qp-pulse.XXXXXX)
  trap '"$top/scripts/pulse-private.sh" stop "$pulse_dir"; rm -rf "$pulse_dir"' EXIT
  eval "$("$top/scripts/pulse-private.sh" start "$pulse_dir")"
fi
# Qt programs in the tests draw off screen unless a test starts its own display.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# shellcheck disable=SC2086
ctest --test-dir "$build" --output-on-failure -j2 ${QP_CTEST_ARGS:-}
