#!/usr/bin/env bash
# End-to-end: the road of one chord through the first studio, under a window
# manager as on a desktop. A first start on scratch settings opens the
# template (a Keyboard through a pass-through Splitter to a Guitar and an
# Analyzer) and names no chord; Keyboard Settings, OK unchanged, leaves the
# Keyboard in Chord mode; a chord typed and put out, then another: each is
# named in the status bar as it is typed and after Put out, which lays it
# on the Guitar's strings and names it first in the Analyzer. Window/Cascade and Window/Tile leave every window a
# usable size; the Guitar, minimised, comes back where it was. Studio/Save,
# File/Exit, a new start: the same studio, whose links still carry the chord.
# What the program shows is read from its own description of its windows
# (window_dump); a screenshot of each step is kept with the test artifacts.
#   road_of_one_chord.sh BIN_DIR ARTIFACT_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
artifacts=$2

# shellcheck source=e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
start_window_manager

shot() { import -window root "$artifacts/road-$1.png"; }

links_of() {  # the saved studio's components with their links
  "$bin/cantrel-cli" studio --json "$1" | python3 -c '
import json, sys
for c in json.load(sys.stdin)["components"]:
    print(c["typeId"], sorted((l["slot"], l["from"], l["to"]) for l in c["links"]))'
}

# Runs a check (Python, with the description as `d` and helpers) on the
# program's description of its windows; the check's message is the failure.
expect() {  # $1: what is checked, $2: the check
  local dump
  dump=$(window_dump) || fail "$1: no description of the windows"
  echo "$dump" >"$artifacts/road-last-windows.json"
  python3 -c "
import json, sys
d = json.loads(sys.stdin.read())
win = {w['title'].rstrip('\u00a0'): w for w in d['windows']}
def notes(title): return sorted(n for n in win[title]['notes'] if n >= 0)
def lines(title, name): return win[title]['lists'].get(name, [])
def usable(w): return w['geometry']['width'] >= 200 and w['geometry']['height'] >= 120
def inside(w):
    g, a = w['screen'], d['area']
    return a['x'] <= g['x'] and a['y'] <= g['y'] and g['x'] + g['width'] <= a['x'] + a['width'] + 1 \
        and g['y'] + 40 <= a['y'] + a['height']
$2
" <<<"$dump" || fail "$1"
}

# C E G, middle C being 63: "1", "5" and "8" in the Keyboard's typing.
ceg='[51, 55, 58]'
names_ceg="status = d['status']; assert status.split(',')[0] == 'C', status"
# The status line says nothing, or that the machine has no sound output.
no_chord_named="d['status'] in ('', 'No sound output was found: Cantrel Studio runs silent.')"

# 1. The first start: the template, Getting Started beside it, no chord named.
start_program
helpwin=$(wait_window '^Cantrel Studio Help$') || fail "Getting Started did not open on the first start"
sleep 0.5
shot 01-first-start
# The help window's frame: its client less the decoration the manager adds.
read -r help_top help_left < <(xwininfo -id "$helpwin" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print y, x}')
read -r _ _ decoration_top _ < <(xprop -id "$helpwin" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
expect "the first start" "
assert sorted(win) == ['Analyzer 3', 'Guitar 2', 'Keyboard 4', 'Splitter 1'], sorted(win)
assert win['Splitter 1']['state'] == 'minimized', win['Splitter 1']['state']
assert $no_chord_named, 'a chord is named before any was played: ' + d['status']
menu = d['menuBar']
assert $help_top - $decoration_top >= menu['y'] + menu['height'] or $help_left >= menu['x'] + menu['width'], \
    'Getting Started lies over the menu bar: its frame from y %d, the menu bar down to %d' % ($help_top - $decoration_top, menu['y'] + menu['height'])
"
keys_to "$helpwin" alt+F4
wait_gone '^Cantrel Studio Help$' || fail "Getting Started did not close"
xdotool windowactivate --sync "$main"
sleep 0.3
expect "the first studio active" "
assert win['Keyboard 4']['active'], 'the Keyboard is not the active component'
assert $no_chord_named, 'a chord is named before any was played: ' + d['status']
"

# OK on the Analyzer's unchanged Change Connections dialog keeps its link
# on the Splitter's second output (checked below: the chord still reaches
# the Guitar and the Analyzer, and the saved links).
keys_to "$main" alt+w 3
sleep 0.3
keys_to "$main" ctrl+l
connections=$(wait_window '^Change Connections$') || fail "no Change Connections dialog"
keys_to "$connections" Return
wait_gone '^Change Connections$' || fail "the Change Connections dialog stayed"
keys_to "$main" alt+w 4
sleep 0.3
expect "the Keyboard active again" "assert win['Keyboard 4']['active'], 'the Keyboard is not the active component'"

# 2. Keyboard Settings, OK without a change: the Keyboard stays in Chord
# mode. B D# F# typed and put out reach the Guitar and are named; then,
# after BackSpace, three notes typed on the Keyboard, the active component.
xdotool key ctrl+s
settings=$(wait_window '^Keyboard Settings$') || fail "Keyboard Settings did not open"
keys_to "$settings" Return
wait_gone '^Keyboard Settings$' || fail "Keyboard Settings stayed open"
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key --delay 120 w y o alt+Right
sleep 0.5
shot 02-b-major-put-out
expect "B D# F# put out after an unchanged Keyboard Settings" "
assert win['Keyboard 4']['mode'] == 23008, 'the Keyboard left Chord mode: %d' % win['Keyboard 4']['mode']
assert notes('Keyboard 4') == [62, 66, 69], notes('Keyboard 4')
assert len(notes('Guitar 2')) == 3, notes('Guitar 2')
assert d['status'].split(',')[0] == 'B', d['status']
"
xdotool key BackSpace
xdotool key --delay 120 1 5 8
sleep 0.5
shot 02-three-notes
expect "three typed notes" "
assert notes('Keyboard 4') == $ceg, notes('Keyboard 4')
$names_ceg
"

# 3. Put out: through the Splitter to the strings and the Analyzer.
xdotool key alt+Right
sleep 0.5
shot 03-put-out
expect "the chord put out" "
guitar = notes('Guitar 2')
assert len(guitar) == 3 and sorted(n % 12 for n in guitar) == sorted(n % 12 for n in $ceg), guitar
assert notes('Splitter 1') == $ceg, notes('Splitter 1')
assert lines('Analyzer 3', 'id100') == ['C', 'B'], lines('Analyzer 3', 'id100')
named = lines('Analyzer 3', 'id101')
assert named and named[0] == d['status'].split(',')[0], (named, d['status'])
$names_ceg
"
put_out=$(cat "$artifacts/road-last-windows.json")

# 4. Cascade and tile: every window shown keeps a usable size inside the studio.
keys_to "$main" alt+w c
sleep 0.5
shot 04-cascade
expect "Window/Cascade" "
shown = [w for w in d['windows'] if w['state'] == 'normal']
assert len(shown) == 3, [w['state'] for w in d['windows']]
for w in shown: assert usable(w) and inside(w), w
assert len({(w['geometry']['x'], w['geometry']['y']) for w in shown}) == 3, 'not cascaded'
"
keys_to "$main" alt+w t
sleep 0.5
shot 05-tile
expect "Window/Tile" "
shown = [w for w in d['windows'] if w['state'] == 'normal']
for w in shown: assert usable(w) and inside(w), w
for a in shown:
    for b in shown:
        ga, gb = a['geometry'], b['geometry']
        assert a is b or ga['x'] + ga['width'] <= gb['x'] or gb['x'] + gb['width'] <= ga['x'] \
            or ga['y'] + ga['height'] <= gb['y'] or gb['y'] + gb['height'] <= ga['y'], ('tiles overlap', a, b)
"
tiled=$(cat "$artifacts/road-last-windows.json")

# 5. The Guitar minimised through its window menu (its icon), restored
# through the Window menu: back at its tiled place.
read -r gx gy < <(python3 -c "
import json, sys
g = next(w for w in json.loads(sys.argv[1])['windows'] if w['title'].startswith('Guitar'))['screen']
print(g['x'] + 10, g['y'] + 10)" "$tiled")
xdotool mousemove "$gx" "$gy" click 1
sleep 0.5
xdotool key n
sleep 0.5
shot 06-minimised
expect "the Guitar minimised" "assert win['Guitar 2']['state'] == 'minimized', win['Guitar 2']['state']"
keys_to "$main" alt+w 2
sleep 0.5
shot 07-restored
expect "the Guitar restored" "
before = next(w for w in json.loads('''$tiled''')['windows'] if w['title'].startswith('Guitar'))
assert win['Guitar 2']['state'] == 'normal' and win['Guitar 2']['geometry'] == before['geometry'], \
    (win['Guitar 2'], before['geometry'])
assert win['Guitar 2']['active'], 'the Guitar restored is not active'
"
saved=$(cat "$artifacts/road-last-windows.json")

# 6. Studio/Save asks for a name (the first studio has none), then File/Exit.
save_as "$scratch/road.cts" s
wait_window '^Cantrel Studio - road$' >/dev/null || fail "the caption does not name the saved studio"
quit_program
links=$(links_of "$scratch/road.cts")
# The Keyboard (4) into the Splitter (1), which feeds the Guitar (2) and the Analyzer (3).
[ "$links" = "1006 [(0, 4, 1), (1, 1, 2), (2, 1, 3)]
1003 [(0, 1, 2)]
9019 [(0, 1, 3)]
1004 [(1, 4, 1)]" ] || fail "the saved studio's links: $links"

# 7. A new start: the same studio, windows, chords and history. The
# instruments start fresh (the Keyboard empty, the Guitar on its open
# strings); the chord kept by the Splitter and the Analyzer's history stay.
# Typed again and put out, the chord travels the same links.
start_program
wait_window '^Cantrel Studio - road$' >/dev/null || fail "the saved studio was not reopened"
sleep 0.5
shot 08-restarted
expect "the studio reopened" "
before = {w['title'].rstrip('\u00a0'): w for w in json.loads('''$saved''')['windows']}
assert sorted(win) == sorted(before), sorted(win)
for t, w in win.items():
    b = before[t]
    assert w['type'] == b['type'] and w['state'] == b['state'], (t, w['state'], b['state'])
    if w['state'] == 'normal':
        assert all(abs(w['geometry'][k] - b['geometry'][k]) <= 2 for k in w['geometry']), (t, w['geometry'], b['geometry'])
assert notes('Keyboard 4') == [] and win['Keyboard 4']['active'], win['Keyboard 4']
assert notes('Splitter 1') == $ceg, notes('Splitter 1')
assert [n for n in win['Guitar 2']['notes'] if n >= 0] == [67, 62, 58, 53, 48, 43], win['Guitar 2']['notes']
put = {w['title'].rstrip('\u00a0'): w for w in json.loads('''$put_out''')['windows']}
assert win['Analyzer 3']['lists'] == put['Analyzer 3']['lists'], win['Analyzer 3']['lists']
"
xdotool key --delay 120 1 5 8 alt+Right
sleep 0.5
shot 09-put-out-again
expect "the chord put out after the new start" "
guitar = notes('Guitar 2')
assert len(guitar) == 3 and sorted(n % 12 for n in guitar) == sorted(n % 12 for n in $ceg), guitar
assert lines('Analyzer 3', 'id100') == ['C', 'C', 'B'], lines('Analyzer 3', 'id100')
$names_ceg
"
keys_to "$main" alt+s s
sleep 0.5
quit_program
again=$(links_of "$scratch/road.cts")
[ "$again" = "$links" ] || fail "the links changed: $again (saved: $links)"
echo "PASS: one chord along the first studio, arranged, saved and reopened; screenshots in $artifacts/road-*.png"
