#!/usr/bin/env bash
# The build puts the shipped settings beside the library only where there are
# none: a settings file there is the user's and survives every build.
# Runs the real data/ build rules in a scratch build tree.
set -euo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$scratch/project"
cat > "$scratch/project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(data_only NONE)
set(CANTREL_OUTPUT_DIR "$scratch/bin")
add_subdirectory("$source_dir/data" data)
CMAKE
build() { cmake --build "$scratch/build" >/dev/null || fail "build"; }
cmake -S "$scratch/project" -B "$scratch/build" >/dev/null || fail "configure"

ini=$scratch/bin/cantrel.ini
build
cmp -s "$ini" "$source_dir/data/cantrel.ini" || fail "a first build writes the shipped settings"
ls "$scratch/bin/"*GARES.\!CT >/dev/null || fail "and the templates"

printf '[Chords]\n1="mine","Players Own", 1 4 6\n' > "$ini"
build
grep -q "Players Own" "$ini" || fail "the next build replaced the user's settings"

rm "$ini"
build
cmp -s "$ini" "$source_dir/data/cantrel.ini" || fail "a build after the file went writes the shipped settings again"
echo "ok"
