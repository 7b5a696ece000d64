#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a while.
#   scripts/fuzz.sh [SECONDS]      seconds per target, 60 by default
# The corpus of each target is kept in build-fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds_per_target=${1:-60}

missing=()
command -v clang++ >/dev/null 2>&1 || missing+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" ||
  missing+=(libclang-rt-14-dev)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "fuzz: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2

failed=()
summary=()
for source in fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  corpus=build-fuzz/corpus/$name
  log=build-fuzz/$name.log
  mkdir -p "$corpus"
  echo "fuzz: running $name for ${seconds_per_target}s"
  if ! "build-fuzz/$name" -max_total_time="$seconds_per_target" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/$name-" "$corpus" >"$log" 2>&1; then
    failed+=("$name")
    tail -n 30 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$name: ${runs:-?} executions")
done

printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]} (logs in build-fuzz/)" >&2
  exit 1
fi
