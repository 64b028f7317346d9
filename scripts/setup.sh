#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libgumbo-dev libuchardet-dev nettle-dev nlohmann-json3-dev
  qt6-base-dev libxi-dev libxtst-dev
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(chromium xvfb fonts-noto-cjk)
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)  # installs the live tests' playwright-core
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
