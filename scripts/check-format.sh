#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it, naming
# each such file.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "format: run clang-format -i on: ${unformatted[*]}" >&2
  exit 1
fi
echo "format: ${#files[@]} files clean"
