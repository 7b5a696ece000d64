#!/usr/bin/env bash
# Sets up, builds and starts Cantrel Studio on its built-in defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bin="${BUILD_DIR:-build}/bin"
if [ -x "$bin/cantrel" ]; then
  exec "$bin/cantrel" "$@"
fi
# Until the window program exists, show the engine at work on a C major triad.
exec "$bin/cantrel-cli" text C5 E5 G5
