#!/usr/bin/env bash
# Runs every test: the host tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer with a bounded fuzzing run, the static checks,
# then the Windows tests of the real executable under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-14 libclang-rt-14-dev clang-tidy cppcheck

cmake --workflow --preset host
cmake --workflow --preset sanitize
scripts/static-checks.sh

cmake --preset windows
cmake --build --preset windows
scripts/wine-session.sh ctest --preset windows
