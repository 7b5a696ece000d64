# What the end-to-end tests share: the real program in a real X server on
# scratch settings, and the steps a user takes with every studio. Sourced by
# the test scripts after they set bin and artifacts; re-runs the sourcing
# script under xvfb-run. Needs xdotool and imagemagick's import.

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

# The settings and templates the installation ships, in a scratch library folder.
mkdir -p "$scratch/lib" "$scratch/config" "$scratch/run"
chmod 700 "$scratch/run"
cp "$bin/cantrel.ini" "$bin"/*GARES.\!CT "$scratch/lib/"
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

