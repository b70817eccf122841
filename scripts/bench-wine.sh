#!/usr/bin/env bash
# Times whole runs of dropclip.exe under Wine against the floor program.
# Usage: scripts/bench-wine.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target time_runs >/dev/null
scripts/wine-session.sh /usr/lib/wine/wine64 build/windows/time_runs.exe "${1:-60}"
