#!/usr/bin/env bash
# Takes the pictures of the Getting Started help page with the real program:
# the first studio on a 1280x720 screen under a window manager, banner and
# help closed, after three notes typed on the Keyboard
# (data/help/getting-started-studio.png) and after Put out
# (data/help/getting-started-put-out.png). The same pictures at full size are
# the screenshots software centres show (data/screenshots/, named in the
# AppStream metadata). Needs what the end-to-end tests
# need (xvfb-run, xdotool, imagemagick, openbox).
#   scripts/help_pictures.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
[ -n "${CANTREL_E2E_INNER:-}" ] || cmake --build "$build" --target cantrel >/dev/null
bin=$(cd "$build/bin" && pwd)
# A failure's screenshot goes there, the pictures beside the help pages.
artifacts=${TMPDIR:-/tmp}/cantrel-help-pictures
help=$root/data/help
screenshots=$root/data/screenshots
screen=1280x720x24

# shellcheck source=../tests/e2e/e2e_lib.sh
source "$root/tests/e2e/e2e_lib.sh"
start_window_manager

picture() {  # the main window without its frame, as wide as the help shows it
  xdotool mousemove 0 719
  sleep 0.5
  import -window "$main" "$scratch/shot.png"
  convert "$scratch/shot.png" -resize 640x "$help/$1"
  echo "help_pictures: $help/$1"
  mkdir -p "$screenshots"
  convert "$scratch/shot.png" -strip "$screenshots/$1"
  echo "help_pictures: $screenshots/$1"
}

start_program
if helpwin=$(wait_window '^Cantrel Studio Help$'); then
  keys_to "$helpwin" alt+F4
  wait_gone '^Cantrel Studio Help$' || fail "Getting Started did not close"
fi
xdotool windowactivate --sync "$main"
sleep 0.3
# C, E and G on the Keyboard, the active component.
xdotool key --delay 120 1 5 8
picture getting-started-studio.png
xdotool key alt+Right
picture getting-started-put-out.png
