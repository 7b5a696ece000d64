#!/usr/bin/env bash
# Compresses the template studios of data/templates into the SZDD files the
# program ships (data/LOVGARES.!CT, MDVGARES.!CT, HIVGARES.!CT), one for each
# screen size: low (640 wide), medium (800) and high (1024 and more).
#   scripts/make_templates.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${BUILD_DIR:-build}}
cmake --build "$build" --target cantrel-szdd >/dev/null
for size in LOV MDV HIV; do
  "$build/bin/cantrel-szdd" "data/templates/${size}GARES.cts" "data/${size}GARES.!CT"
done
