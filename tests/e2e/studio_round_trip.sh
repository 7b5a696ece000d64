#!/usr/bin/env bash
# End-to-end: the real program in a real X server, worked through its menus
# as a user would. Starts on scratch settings, creates a Splitter and a
# Joiner through File/New Component, saves through Studio/Save As, quits
# through File/Exit, starts again and finds the same studio reopened.
#   studio_round_trip.sh BIN_DIR ARTIFACT_DIR
# Runs itself again under xvfb-run; needs xdotool and imagemagick's import.
set -euo pipefail
bin=$(cd "$1" && pwd)
artifacts=$2

if [ -z "${CANTREL_E2E_INNER:-}" ]; then
  for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
  mkdir -p "$artifacts"
  export CANTREL_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

scratch=$(mktemp -d /tmp/cantrel-e2e-XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# The settings and templates the installation ships, in a scratch library
# folder. The settings come from the source tree: the copy beside the build
# holds whatever the program last wrote there.
mkdir -p "$scratch/lib" "$scratch/config" "$scratch/run"
chmod 700 "$scratch/run"
cp "$(dirname "$0")/../../data/cantrel.ini" "$bin"/*GARES.\!CT "$scratch/lib/"
ln -s "$bin/help" "$scratch/lib/help"
export CANTREL_LIBRARY_DIR=$scratch/lib XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
export QT_QPA_PLATFORM=xcb

fail() {
  echo "FAIL: $*"
  import -window root "$artifacts/e2e_failure.png" 2>/dev/null || true
  exit 1
}

# Waits for a visible window whose title matches; prints its id.
wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

wait_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Keys go to the focused window (there is no window manager).
keys_to() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window"
  sleep 0.2
  xdotool key --delay 80 "$@"
}

start_program() {
  "$bin/cantrel" "$@" 2>>"$scratch/stderr.log" &
  pid=$!
  main=$(wait_window '^Cantrel Studio') || fail "the main window did not appear"
  # The banner comes up over the main window; OK closes it.
  if banner=$(wait_window '^About Cantrel Studio$'); then
    keys_to "$banner" Return
    wait_gone '^About Cantrel Studio$' || fail "the banner did not close"
  fi
}

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

quit_program() {
  keys_to "$main" alt+f x
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end through File/Exit"
  wait "$pid" || fail "the program ended with an error"
  pid=
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
