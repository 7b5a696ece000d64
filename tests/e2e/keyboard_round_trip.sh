#!/usr/bin/env bash
# End-to-end: the Keyboard in the real program. Opens a studio holding a
# Keyboard whose output feeds a pass-through Splitter, types three notes,
# puts them out (Alt+Right), saves through Studio/Save and quits through
# File/Exit; the saved studio holds the notes in both components, and the
# screenshot of the Keyboard is kept with the test artifacts.
#   keyboard_round_trip.sh BIN_DIR ARTIFACT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
artifacts=$2

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

# The Keyboard (three octaves from C, both label rows) linked to the Splitter.
python3 - "$scratch/keys.cts" <<'PY'
import struct, sys
def record(b): return "%02X" % len(b) + b.hex().upper()
def placement(l, t, r, b):
    return struct.pack('<11i', 44, 0, 1, -1, -1, -1, -1, *(p * 16384 // 1280 for p in (l, t, r, b)))
def base(type_id, sound, to, origin, pass_through):
    empty_chord = struct.pack('<12i', *[-1] * 12) + bytes(12) + struct.pack('<i', -1) + bytes(8) + struct.pack('<ihhi', 0, -1, 0, 0)
    return (struct.pack('<h', type_id) + empty_chord + struct.pack('<hhHhhh', 23008, sound, 0, 0, -1, -1)
            + struct.pack('<3h', *to) + struct.pack('<3h', *origin) + struct.pack('<BBii', pass_through, 0, 0, 0))
keyboard = record(placement(10, 10, 810, 330)) + record(base(1004, 1, (0, 2, 0), (0, 1, 0), 0)) + record(struct.pack('<4i', 36, 51, 0, 3))
splitter = record(placement(830, 10, 1050, 170)) + record(base(1006, 0, (2, 0, 0), (1, 0, 0), 1))
open(sys.argv[1], 'w').write("[Windows]\n0=513\n1=%s\n2=%s\n[Titles]\n" % (keyboard, splitter))
PY

start_program "$scratch/keys.cts"
wait_window '^Cantrel Studio - keys$' >/dev/null || fail "the studio was not opened"
# The Splitter, loaded last, is the active component. A click on the
# Keyboard's caption makes it active, and typing reaches it: C, E and G are
# "1", "5" and "8" in Chromatic typing.
xdotool windowfocus --sync "$main"
xdotool mousemove 300 76 click 1
sleep 0.3
xdotool key --delay 120 1 5 8
sleep 0.5
import -window root "$artifacts/e2e_keyboard.png"
xdotool key alt+Right
sleep 0.3
keys_to "$main" alt+s s
sleep 0.5
quit_program

# The Keyboard's chord sits in its base record; the Splitter took it on Put out.
notes=$("$bin/cantrel-cli" studio --json "$scratch/keys.cts" | python3 -c '
import json, sys
for c in json.load(sys.stdin)["components"]:
    print(c["typeId"], sorted(n for n in c["notes"] if n >= 0))')
[ "$notes" = "1004 [51, 55, 58]
1006 [51, 55, 58]" ] || fail "the saved studio holds: $notes"
grep -q "^1=2C.*1024000000330000000000000003000000" "$scratch/keys.cts" || fail "the Keyboard's own record was not saved"
echo "PASS: three typed notes put out and saved; screenshot in $artifacts/e2e_keyboard.png"
