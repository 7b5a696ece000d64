#!/usr/bin/env bash
# Fails when a source file includes one from a layer above its own, or from a
# sibling layer (scripts/layers.txt says which folder is which layer).
#   scripts/check_layers.sh         prints each crossing, exits 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."
awk '
  FNR == NR {
    if ($0 ~ /^#/ || NF < 2) next
    rank[$2] = $1; next
  }
  # The layer of a path: its longest folder named in the list.
  function layer(path,    best, f) {
    best = ""
    for (f in rank)
      if ((index(path, f "/") == 1 || path == f) && length(f) > length(best)) best = f
    return best
  }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    match($0, /"[^"]+"/)
    target = substr($0, RSTART + 1, RLENGTH - 2)
    from = layer(FILENAME); to = layer(target)
    if (from == "" || to == "" || from == to) next
    if (rank[to] >= rank[from]) {
      printf "%s:%d: %s (%s) includes %s (%s)\n", FILENAME, FNR, from, rank[from], target, rank[to]
      crossings++
    }
  }
  END {
    if (crossings) { printf "%d includes cross a layer upward or sideways\n", crossings; exit 1 }
  }
' scripts/layers.txt $(find core ui controls app cli tools resources -name '*.h' -o -name '*.cpp' | sort)
