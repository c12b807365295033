#!/usr/bin/env bash
# One-off check that the movies play in a real Flash player: Ruffle (npm) in Debian's
# Chromium, headless. Needs: apt-get install chromium; a built tree (build/app).
# Usage: pdf2swf/tests/player/run-player-check.sh [build folder] [output folder]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
build=${1:-$root/build}
out=${2:-$here/shots}
command -v chromium >/dev/null || { echo "chromium is missing: apt-get install chromium" >&2; exit 2; }
[ -d "$here/node_modules/@ruffle-rs/ruffle" ] || (cd "$here" && npm install --no-audit --no-fund --silent)
[ -d "$here/../swfcheck/node_modules/swf-parser" ] || (cd "$here/../swfcheck" && npm install --no-audit --no-fund --silent)
fixture=$(cd "$root/../shared/fixtures/pdf" && pwd)/shared-mime-info-spec.pdf
node "$here/player-check.mjs" "$build/app/pdf2swf" "$build/app/swfs/rfxview.swf" "$fixture" "$out"
