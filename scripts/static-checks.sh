#!/usr/bin/env bash
# clang-tidy and cppcheck over the product's code; fails on any finding.
# The Win32 units are analysed against the host double's declarations, with
# the flags of the host build (its compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/host/compile_commands.json ] || cmake --preset host >/dev/null

sources=(src/drop_files_block.cc src/clipboard_publication.cc src/main.cc)
echo "clang-tidy: ${sources[*]}"
clang-tidy --quiet -p build/host "${sources[@]}"

echo "cppcheck: src/"
cppcheck --quiet --error-exitcode=1 --std=c++17 --language=c++ \
  --enable=warning,performance,portability --inline-suppr \
  --suppress=missingIncludeSystem -I src -I tests/win32_double src/
echo "static checks: no findings"
