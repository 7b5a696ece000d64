#!/usr/bin/env bash
# Writes the template studios of data/templates with the program's own studio
# code (cantrel-template: a Keyboard through a pass-through Splitter to a
# Guitar and an Analyzer) and compresses them into the SZDD files the program
# ships (data/LOVGARES.!CT, MDVGARES.!CT, HIVGARES.!CT), one for each screen
# size: low (640 wide), medium (800) and high (1024 and more).
#   scripts/make_templates.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${BUILD_DIR:-build}}
cmake --build "$build" --target cantrel-szdd cantrel-template >/dev/null
for size in LOV:640 MDV:800 HIV:1024; do
  width=${size#*:}
  size=${size%:*}
  # On scratch settings, a copy of the shipped ones.
  scratch=$(mktemp -d)
  cp data/cantrel.ini "$scratch/"
  CANTREL_LIBRARY_DIR=$scratch XDG_CONFIG_HOME=$scratch/config \
    "$build/bin/cantrel-template" "$PWD/data/templates/${size}GARES.cts" "$width"
  rm -rf "$scratch"
  "$build/bin/cantrel-szdd" "data/templates/${size}GARES.cts" "data/${size}GARES.!CT"
done
