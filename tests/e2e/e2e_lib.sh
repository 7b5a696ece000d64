# What the end-to-end tests share: the real program in a real X server on
# scratch settings, and the steps a user takes with every studio. Sourced by
# the test scripts after they set bin and artifacts; re-runs the sourcing
# script under xvfb-run, on a screen of 1280x800 unless it sets `screen`
# (WIDTHxHEIGHTxDEPTH). Needs xdotool and imagemagick's import; a script
# that works with a window manager calls start_window_manager (openbox).

if [ -z "${CANTREL_E2E_INNER:-}" ]; then
  for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
  mkdir -p "$artifacts"
  export CANTREL_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 ${screen:-1280x800x24}" "$0" "$@"
fi

scratch=$(mktemp -d /tmp/cantrel-e2e-XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# The settings and templates the installation ships, in a scratch library
# folder. The settings come from the source tree: the copy beside the build
# holds whatever the program last wrote there.
mkdir -p "$scratch/lib" "$scratch/config" "$scratch/run"
chmod 700 "$scratch/run"
cp "$(dirname "${BASH_SOURCE[0]}")/../../data/cantrel.ini" "$bin"/*GARES.\!CT "$scratch/lib/"
ln -s "$bin/help" "$scratch/lib/help"
export CANTREL_LIBRARY_DIR=$scratch/lib XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
export QT_QPA_PLATFORM=xcb
# Ctrl+Shift+F12 makes the program describe its windows there (window_dump).
export CANTREL_WINDOW_DUMP=$scratch/windows.json
wm=

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

# Waits for no visible window to match; a second argument gives the tenths of
# a second to wait (10 s by default).
wait_gone() {
  for _ in $(seq "${2:-100}"); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Openbox, as a desktop has one: windows get frames, the manager places and
# focuses them.
start_window_manager() {
  command -v openbox >/dev/null 2>&1 || { echo "SKIP: openbox is not installed"; exit 77; }
  openbox --sm-disable 2>>"$scratch/openbox.log" &
  wm=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}

# Writes the program's description of its windows and prints it (JSON).
window_dump() {
  rm -f "$CANTREL_WINDOW_DUMP"
  xdotool key --clearmodifiers ctrl+shift+F12
  for _ in $(seq 50); do
    [ -s "$CANTREL_WINDOW_DUMP" ] && { cat "$CANTREL_WINDOW_DUMP"; return 0; }
    sleep 0.1
  done
  fail "the program did not describe its windows"
}

# Keys go to the focused window.
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
  # Its caption is the program's name, with the studio's after " - "; the
  # help window's begins the same way.
  main=$(wait_window '^Cantrel Studio( - .*)?$') || fail "the main window did not appear"
  # The banner comes up over the main window; OK closes it.
  if banner=$(wait_window '^About Cantrel Studio$'); then
    # A window opening meanwhile (Getting Started) can take the focus from
    # under the key on a slow run: press it again until the banner is gone.
    for _ in 1 2 3 4 5; do
      keys_to "$banner" Return
      wait_gone '^About Cantrel Studio$' 20 && return 0
    done
    fail "the banner did not close"
  fi
}

save_as() {  # $1: the path; $2: the Studio menu's item that asks (a: Save As)
  keys_to "$main" alt+s "${2:-a}"
  local dialog
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

