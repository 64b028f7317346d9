#!/usr/bin/env bash
# Runs one group of live tests; exits 77 (skipped) when the browser or node
# is missing, so that machines without them still pass the other tests.
set -euo pipefail
cd "$(dirname "$0")"
if [ ! -x /usr/bin/chromium ]; then
  echo "live tests skipped: /usr/bin/chromium is not installed (scripts/setup.sh --tests)"
  exit 77
fi
if ! command -v node >/dev/null || [ ! -d node_modules/playwright-core ]; then
  echo "live tests skipped: node or playwright-core is missing (tests/live/setup.sh)"
  exit 77
fi
exec node --test "$1.test.mjs"
