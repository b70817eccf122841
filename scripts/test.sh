#!/usr/bin/env bash
# Runs every test: the host tests, then the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --workflow --preset host

cmake --preset windows
cmake --build --preset windows
scripts/wine-session.sh ctest --preset windows
