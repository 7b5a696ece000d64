#!/usr/bin/env bash
# Builds the Debian package of what the build holds and prints its path.
#   scripts/package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)
cmake --build "$build" -j2 >/dev/null
cd "$build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' CMakeCache.txt)
rm -f cantrel_*.deb
cpack -G DEB >cpack.log || { cat cpack.log >&2; exit 1; }
ls "$build"/cantrel_"$version"_*.deb
