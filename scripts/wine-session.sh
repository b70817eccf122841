#!/usr/bin/env bash
# Runs a command inside one Wine session: a fresh prefix, a server kept alive
# for the whole command, and the prefix's services already started with their
# output detached. Without that, the first Windows program would start the
# services and they would inherit, and hold open, the caller's output pipes.
set -euo pipefail
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

export WINEDEBUG=-all
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/dropclip-wine.XXXXXX")
export WINEPREFIX
finish() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap finish EXIT

"$WINESERVER" -p </dev/null >/dev/null 2>&1
"$WINE" wineboot -i </dev/null >/dev/null 2>&1
"$@"
