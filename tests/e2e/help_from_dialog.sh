#!/usr/bin/env bash
# End-to-end: help asked for inside a dialog, under a window manager as on a
# desktop. F1 in Options/Preferences brings the help window to the front,
# above the main window and the dialog and beside the dialog, and it stays
# open once the dialog closes.
# A screenshot is kept with the test artifacts.
#   help_from_dialog.sh BIN_DIR ARTIFACT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
artifacts=$2

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
start_window_manager

# The windows the manager stacks, from the bottom up (decimal ids).
stacking() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | while read -r id; do
    printf '%d\n' "$id"
  done
}
# The position of window $1 in the stacking, from the bottom.
level() { stacking | grep -n "^$1\$" | cut -d: -f1; }
# Left, top, right and bottom of window $1 on the screen, with its frame.
frame_of() {
  local x y w h l r t b
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
  echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
}

start_program
# Getting Started opens on a first start: closed, so that help comes anew.
if helpwin=$(wait_window '^Cantrel Studio Help$'); then
  keys_to "$helpwin" alt+F4
  wait_gone '^Cantrel Studio Help$' || fail "Getting Started did not close"
fi

keys_to "$main" alt+o p
dialog=$(wait_window '^Preferences$') || fail "Options/Preferences did not open"
keys_to "$dialog" F1
helpwin=$(wait_window '^Cantrel Studio Help$') || fail "F1 in Preferences showed no help"
sleep 1
import -window root "$artifacts/help-from-dialog.png"

help_level=$(level "$helpwin")
[ "$help_level" -gt "$(level "$main")" ] || fail "the help window is behind the main window"
[ "$help_level" -gt "$(level "$dialog")" ] || fail "the help window is behind the dialog"
read -r dl dt dr db < <(frame_of "$dialog")
read -r hl ht hr hb < <(frame_of "$helpwin")
[ "$hl" -ge "$dr" ] || [ "$hr" -le "$dl" ] ||
  fail "the help window ($hl-$hr) covers the dialog ($dl-$dr) instead of standing beside it"

keys_to "$dialog" Escape
wait_gone '^Preferences$' || fail "Preferences did not close"
sleep 0.5
xdotool search --onlyvisible --name '^Cantrel Studio Help$' >/dev/null || fail "the help window went with the dialog"
quit_program
echo "PASS"
