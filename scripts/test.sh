#!/usr/bin/env bash
# Sets up, builds and runs every test, then builds the Debian package and
# checks it installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${BUILD_DIR:-build}
(cd "$build" && ctest --output-on-failure -j2 --timeout 300)
deb=$(scripts/package.sh "$build")
scripts/check_package.sh "$deb"
