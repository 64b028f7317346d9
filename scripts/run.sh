#!/usr/bin/env bash
# The main job: installs what is missing, builds, and shows what the engine
# would write into the example entry form for the example profile.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh >&2
exec build/bin/kakikomi fill examples/page.html --profile examples/profile.json --today 2026-12-10 "$@"
