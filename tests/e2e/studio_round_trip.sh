#!/usr/bin/env bash
# End-to-end: the real program in a real X server, worked through its menus
# as a user would. Starts on scratch settings, creates a Splitter and a
# Joiner through File/New Component, saves through Studio/Save As, quits
# through File/Exit, starts again and finds the same studio reopened.
#   studio_round_trip.sh BIN_DIR ARTIFACT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
artifacts=$2

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

new_component() {  # $1: the mnemonic of the kind in the New Component dialog
  keys_to "$main" alt+f n
  dialog=$(wait_window '^New Component$') || fail "no New Component dialog"
  keys_to "$dialog" "alt+$1" Return
  wait_gone '^New Component$' || fail "the New Component dialog stayed"
}

save_as() {  # $1: the path
  keys_to "$main" alt+s a
  dialog=$(wait_window '^Save As$') || fail "no Save As dialog"
  xdotool windowfocus --sync "$dialog"
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_gone '^Save As$' || fail "the Save As dialog stayed"
}

types_of() {
  "$bin/cantrel-cli" studio --json "$1" | python3 -c '
import json, sys
for c in json.load(sys.stdin)["components"]:
    print(c["typeId"], sorted((l["slot"], l["from"], l["to"]) for l in c["links"]))'
}

# First run: the template studio (a Splitter feeding a Joiner), two more
# components through the menu, then Save As.
start_program
new_component s
new_component j
save_as "$scratch/e2e.cts"
wait_window '^Cantrel Studio - e2e$' >/dev/null || fail "the caption does not name the saved studio"
import -window root "$artifacts/e2e_main_window.png"
quit_program

[ -f "$scratch/e2e.cts" ] || fail "Save As wrote no file"
saved=$(types_of "$scratch/e2e.cts")
[ "$(echo "$saved" | cut -d' ' -f1 | tr '\n' ' ')" = "1006 1007 1006 1007 " ] ||
  fail "the saved studio holds: $saved"
grep -qi "^InitialPos=2C" "$scratch/lib/cantrel.ini" || fail "no InitialPos after exit"

# Second run: the same studio comes back by itself.
start_program
wait_window '^Cantrel Studio - e2e$' >/dev/null || fail "the studio was not reopened"
save_as "$scratch/again.cts"
quit_program
again=$(types_of "$scratch/again.cts")
[ "$again" = "$saved" ] || fail "reopened studio differs: $again (saved: $saved)"

# On a machine without sound it says so, once per start, and never in a dialog.
if grep -q "No sound output" "$scratch/stderr.log"; then
  [ "$(grep -c "No sound output" "$scratch/stderr.log")" = 2 ] || fail "the missing sound was not said once per start"
fi
echo "PASS: studio created, saved, reopened; screenshot in $artifacts/e2e_main_window.png"
