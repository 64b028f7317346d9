#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With --sanitize the
# tests run in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests

build_dir=build
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
bash scripts/build.sh "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --timeout 600 -j 2
