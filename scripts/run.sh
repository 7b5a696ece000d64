#!/usr/bin/env bash
# Sets up, builds and starts Cantrel Studio on its built-in defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec "${BUILD_DIR:-build}/bin/cantrel" "$@"
