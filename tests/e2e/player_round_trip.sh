#!/usr/bin/env bash
# End-to-end: a song through the first studio, under a window manager. File/
# Open MIDI File... opens a I-vi-IV-V in C (written here) in a new Player;
# the Keyboard's Change Connections takes the Player as its input and passes
# the notes through, on to the Splitter, the Guitar and the Analyzer. Play
# (Space): the Analyzer's history holds C Am F G in order, the Keyboard and
# the Guitar show G B D. Studio/Save As, File/Exit, a new start: the Player
# comes back with its song, its chart and its link.
#   player_round_trip.sh BIN_DIR ARTIFACT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
artifacts=$2

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
start_window_manager

shot() { import -window root "$artifacts/player-$1.png"; }

expect() {  # $1: what is checked, $2: the check (Python, the description as `d`)
  local dump
  dump=$(window_dump) || fail "$1: no description of the windows"
  echo "$dump" >"$artifacts/player-last-windows.json"
  python3 -c "
import json, sys
d = json.loads(sys.stdin.read())
win = {w['title'].rstrip('\u00a0'): w for w in d['windows']}
def notes(title): return sorted(n for n in win[title]['notes'] if n >= 0)
def lines(title, name): return win[title]['lists'].get(name, [])
$2
" <<<"$dump" || fail "$1"
}

# C, Am, F, G: a beat each at 120 a minute, in 4/4.
song=$scratch/one-six-four-five.mid
python3 - "$song" <<'PY'
import struct, sys
def quantity(n):
    out = [n & 0x7F]
    while n > 127:
        n >>= 7
        out.insert(0, 0x80 | (n & 0x7F))
    return bytes(out)
events, t = [], 0
for chord in ([60, 64, 67], [57, 60, 64], [53, 57, 60], [55, 59, 62]):
    events += [(t, 1, bytes([0x90, k, 90])) for k in chord] + [(t + 480, 0, bytes([0x80, k, 64])) for k in chord]
    t += 480
track, last = b'', 0
for tick, _, message in sorted(events):
    track += quantity(tick - last) + message
    last = tick
track += b'\x00\xff\x2f\x00'
with open(sys.argv[1], 'wb') as f:
    f.write(b'MThd' + struct.pack('>IHHH', 6, 0, 1, 480) + b'MTrk' + struct.pack('>I', len(track)) + track)
PY

# The first start: the template, with Getting Started, which closes.
start_program
helpwin=$(wait_window '^Cantrel Studio Help$') || fail "Getting Started did not open on the first start"
keys_to "$helpwin" alt+F4
wait_gone '^Cantrel Studio Help$' || fail "Getting Started did not close"
xdotool windowactivate --sync "$main"
sleep 0.3

# File/Open MIDI File...: a new Player with the song's chords.
keys_to "$main" alt+f m
dialog=$(wait_window '^Open MIDI File$') || fail "no Open MIDI File dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 "$song"
xdotool key Return
wait_gone '^Open MIDI File$' || fail "the Open MIDI File dialog stayed"
sleep 0.5
shot 01-opened
expect "the song opened in a Player" "
assert 'Player 5' in win, sorted(win)
assert lines('Player 5', 'chart') == ['1:1\tC', '1:2\tAm', '1:3\tF', '1:4\tG'], lines('Player 5', 'chart')
"

# The Keyboard (the fourth window) takes the Player as its input and passes
# the notes through: its switch first, then its input list.
keys_to "$main" alt+w 4
sleep 0.3
keys_to "$main" ctrl+l
connections=$(wait_window '^Change Connections$') || fail "no Change Connections dialog"
keys_to "$connections" space Tab P Return
wait_gone '^Change Connections$' || fail "the Change Connections dialog stayed"

# Play (Space) on the Player, to the end of the song.
keys_to "$main" alt+w 5
sleep 0.3
xdotool key space
sleep 3.5
shot 02-played
expect "the song played through the studio" "
assert lines('Analyzer 3', 'id100') == ['G', 'F', 'Am', 'C'], lines('Analyzer 3', 'id100')
assert notes('Guitar 2') == [58, 62, 65], notes('Guitar 2')
assert notes('Keyboard 4') == [58, 62, 65], notes('Keyboard 4')
"

# Saved, closed and started again: the last studio comes back with its Player.
studio=$scratch/with-player.cts
save_as "$studio"
quit_program
"$bin/cantrel-cli" studio --json "$studio" >"$artifacts/player-studio.json"
python3 -c "
import json, sys
types = [c['typeId'] for c in json.load(open(sys.argv[1]))['components']]
assert 1008 in types, types
" "$artifacts/player-studio.json" || fail "the saved studio holds no Player"
start_program
sleep 0.5
shot 03-reopened
expect "the Player after a new start" "
assert 'Player 5' in win, sorted(win)
assert lines('Player 5', 'chart') == ['1:1\tC', '1:2\tAm', '1:3\tF', '1:4\tG'], lines('Player 5', 'chart')
"
# Its link holds: Play again, and the Analyzer takes the song once more.
keys_to "$main" alt+w 5
sleep 0.3
xdotool key space
sleep 3.5
expect "the song played again after the new start" "
h = lines('Analyzer 3', 'id100')
assert h[:4] == ['G', 'F', 'Am', 'C'], h
"
quit_program
echo "player round trip: ok"
