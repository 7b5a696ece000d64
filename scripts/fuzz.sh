#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a while.
#   scripts/fuzz.sh [SECONDS]      seconds per target, 60 by default
#   FUZZ_JOBS=N                    targets run at once (default: one per core)
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

jobs=${FUZZ_JOBS:-$(nproc)}

# Runs one target; its log ends in a line "fuzz-result: ok" or "failed".
run_target() {
  local name=$1 corpus=build-fuzz/corpus/$1 log=build-fuzz/$1.log
  mkdir -p "$corpus"
  if "build-fuzz/$name" -max_total_time="$seconds_per_target" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/$name-" "$corpus" >"$log" 2>&1; then
    echo "fuzz-result: ok" >>"$log"
  else
    echo "fuzz-result: failed" >>"$log"
  fi
}

names=()
for source in fuzz/fuzz_*.cpp; do
  names+=("$(basename "$source" .cpp)")
done
for name in "${names[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  echo "fuzz: running $name for ${seconds_per_target}s"
  run_target "$name" &
done
wait

failed=()
summary=()
for name in "${names[@]}"; do
  log=build-fuzz/$name.log
  if ! grep -q "^fuzz-result: ok" "$log"; then
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
