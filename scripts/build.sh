#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DHAKOBUNE_SANITIZE=ON)
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build_dir" -G Ninja -DHAKOBUNE_WERROR=ON "${options[@]}" >/dev/null
cmake --build "$build_dir" -j "$jobs"
