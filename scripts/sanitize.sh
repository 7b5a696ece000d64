#!/usr/bin/env bash
# Builds Cantrel Studio with AddressSanitizer and UndefinedBehaviorSanitizer
# in a build folder of its own and runs the whole test suite there.
#   scripts/sanitize.sh [CTEST ARGUMENTS...]     e.g. -E Jack
#   ASAN_BUILD_DIR=dir scripts/sanitize.sh       (default build-asan)
# Leaks inside system libraries are suppressed (scripts/lsan.supp); anything
# else a sanitizer reports fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${ASAN_BUILD_DIR:-build-asan}

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# The test programs also run while building (to list their tests), so the
# sanitizers' settings hold from here on.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1 and line tables are what the sanitizers need, and build much faster. The
# check of dynamic types doubled the build time of the tests' own code; it
# stays on for the program's code, where the casts are.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCANTREL_TEST_COMPILE_OPTIONS="-O1;-fno-sanitize=vptr" \
  -DCANTREL_BUILD_BENCH=OFF "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build_dir" -j2

cd "$build_dir"
ctest --output-on-failure -j2 --timeout 600 "$@"
