#!/usr/bin/env bash
# Builds dropclip.exe, runs it under Wine on the paths given, then shows what
# the clipboard offers. Usage: scripts/run.sh 'C:\My Files\a.txt' 'C:\b.txt'
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target dropclip show_clipboard >/dev/null

scripts/wine-session.sh bash -c '
  status=0
  /usr/lib/wine/wine64 build/windows/dropclip.exe "$@" || status=$?
  echo "dropclip.exe exit status: $status"
  /usr/lib/wine/wine64 build/windows/show_clipboard.exe
' run "$@"
