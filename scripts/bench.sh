#!/usr/bin/env bash
# Runs both benchmarks: the block on the host, whole runs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev
cmake --workflow --preset bench
