#!/usr/bin/env bash
# End-to-end: the real program in a real X server, worked through its menus
# as a user would. Starts on scratch settings, creates a Splitter and a
# Joiner through File/New Component, saves through Studio/Save As, quits
# through File/Exit, starts again and finds the same studio reopened. Then
# opens a studio whose Splitter feeds an Analyzer, puts a chord out and finds
# it in the Analyzer's saved history.
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

types_of() {
  "$bin/cantrel-cli" studio --json "$1" | python3 -c '
import json, sys
for c in json.load(sys.stdin)["components"]:
    print(c["typeId"], sorted((l["slot"], l["from"], l["to"]) for l in c["links"]))'
}

# First run: the template studio (a Keyboard through a pass-through Splitter
# to a Guitar and an Analyzer), two more
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
[ "$(echo "$saved" | cut -d' ' -f1 | tr '\n' ' ')" = "1006 1003 9019 1004 1006 1007 " ] ||
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
# Third run: an Analyzer fed by a Splitter that holds C E G (middle C is 63).
# Put out on the Splitter; the Analyzer lists the chord, shows its names in
# the Chord view, and the saved studio keeps it in the Analyzer's history.
python3 - "$scratch/feed.cts" <<'PYTHON'
import struct, sys
def hexrecord(data):
    return "%02X" % len(data) + data.hex().upper()
def placement(left, top, right, bottom):  # 1/16384 of the screen width
    return hexrecord(struct.pack("<11i", 44, 0, 1, -1, -1, -1, -1, left, top, right, bottom))
def base(type_id, notes, link_to, link_from, pass_through):
    chord = struct.pack("<12i", *(notes + [-1] * (12 - len(notes)))) + bytes(12)
    chord += struct.pack("<i", -1) + bytes(8) + struct.pack("<ihhi", 0, 0, 0, 0)
    return hexrecord(struct.pack("<h", type_id) + chord +
                     struct.pack("<hhHhhh3h3hBBii", 23008, 0, 0, 0, -1, -1, *link_to, *link_from, pass_through, 0, 0, 0))
analyzer = placement(0, 0, 9000, 5000) + base(9019, [], [1, 0, 0], [2, 0, 0], 1) + hexrecord(struct.pack("<ii", 1, 20))
splitter = placement(9000, 0, 13000, 3000) + base(1006, [63, 67, 70], [0, 1, 0], [0, 2, 0], 0)
with open(sys.argv[1], "w") as f:
    f.write("[Windows]\n0=513\n1=%s\n2=%s\n[Titles]\n1=\n2=Source\n" % (analyzer, splitter))
PYTHON
start_program "$scratch/feed.cts"
wait_window '^Cantrel Studio - feed$' >/dev/null || fail "the fed studio did not open"
keys_to "$main" alt+Right
sleep 0.5
import -window root "$artifacts/e2e_analyzer.png"
save_as "$scratch/analyzer.cts"
quit_program
python3 - "$scratch/analyzer.cts" <<'PYTHON' || fail "the saved Analyzer does not hold the chord put out"
import struct, sys
lines = dict(l.rstrip("\r\n").split("=", 1) for l in open(sys.argv[1], encoding="utf-8") if "=" in l)
history = bytes.fromhex(lines["1.1"][2:])
notes = [n for n in struct.unpack("<12i", history[:48]) if n != -1]
assert len(history) == 84 and notes == [63, 67, 70], notes
assert "1.2" not in lines
PYTHON

echo "PASS: studio created, saved, reopened; an Analyzer fed and saved; screenshots in $artifacts"
