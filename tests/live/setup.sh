#!/usr/bin/env bash
# Installs the live tests' one npm package (playwright-core, which drives the
# system's Chromium; no browser is ever downloaded) from the lock file.
set -euo pipefail
cd "$(dirname "$0")"
if [ ! -x /usr/bin/chromium ]; then
  echo "live tests skipped: /usr/bin/chromium is not installed (scripts/setup.sh --tests)"
  exit 77
fi
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "live tests skipped: node and npm are not installed"
  exit 77
fi
want=$(node -p "require('./package-lock.json').packages['node_modules/playwright-core'].version")
have=$(node -p "try { require('./node_modules/playwright-core/package.json').version } catch (e) { '' }")
if [ "$want" != "$have" ]; then
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi
echo "live tests: playwright-core $want, $(/usr/bin/chromium --version 2>/dev/null)"
