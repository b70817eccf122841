#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# the machine lacks. Does nothing when all is there.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have g++ || need+=(g++)
have make || need+=(make)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
for extra in "$@"; do
  dpkg -s "$extra" >/dev/null 2>&1 || need+=("$extra")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi
