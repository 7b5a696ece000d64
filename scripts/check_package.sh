#!/usr/bin/env bash
# Checks a Debian package of Cantrel Studio as a user meets it: lintian finds
# no error, the desktop entry and the AppStream metadata validate; unpacked
# into a scratch root (dpkg -x), the manual pages render, cantrel-cli answers
# and Tab completes it, and the program starts under Xvfb from its menu
# entry's command for two users over the one read-only installation. Each
# user gets settings of his own made from the shipped ones (Getting Started
# once), keeps his own remembered studio, and the installed files stay as
# they were.
#   scripts/check_package.sh PACKAGE.deb
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "$1")

if [ -z "${CANTREL_PACKAGE_INNER:-}" ]; then
  for tool in lintian appstreamcli desktop-file-validate man xvfb-run xdotool setpriv; do
    command -v "$tool" >/dev/null || { echo "check_package: $tool is missing (scripts/setup.sh installs it)"; exit 1; }
  done
  export CANTREL_PACKAGE_INNER=1
  # -ac: the users the program runs as may use the display without its key.
  exec xvfb-run -a -s "-screen 0 1280x800x24 -ac" "$0" "$@"
fi

scratch=$(mktemp -d /tmp/cantrel-package-XXXXXX)
chmod 755 "$scratch"
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  chmod -R u+w "$scratch" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "check_package: FAIL: $*"
  [ -s "$scratch/stderr.log" ] && sed 's/^/  program: /' "$scratch/stderr.log"
  exit 1
}
step() { echo "check_package: $*"; }

step "lintian"
lintian_status=0
lintian --fail-on error "$deb" >"$scratch/lintian.txt" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$scratch/lintian.txt" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

root=$scratch/root
dpkg -x "$deb" "$root"
step "appstreamcli validate, desktop-file-validate"
# The metadata with the desktop entry and icon it names. --no-net: the
# screenshots' addresses are not fetched.
appstreamcli validate-tree --no-net "$root" || fail "the AppStream metadata"
desktop=$root/usr/share/applications/cantrel.desktop
desktop-file-validate "$desktop" || fail "the desktop entry"

program_folder=$(dirname "$(readlink -f "$root/usr/bin/cantrel")")
for file in cantrel.ini MDVGARES.\!CT help/index.html help/1.html; do
  [ -f "$program_folder/$file" ] || fail "no $file beside the program"
done

step "manual pages"
for page in cantrel cantrel-cli; do
  file=$root/usr/share/man/man1/$page.1.gz
  [ -f "$file" ] || fail "no manual page for $page"
  warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >"$scratch/$page.txt")
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
  grep -q "EXIT STATUS" "$scratch/$page.txt" || fail "man $page has no exit statuses"
done

# Two users: ids without a name of their own when run as root (permission
# bits do not stop root), else two homes of this user over a root made
# read-only.
if [ "$(id -u)" -eq 0 ]; then
  users=(65534 65533)
else
  users=("$(id -u)" "$(id -u)")
  chmod -R a-w "$root"
fi
home_of() { echo "$scratch/home-$1"; }
for user in a b; do
  mkdir -p "$(home_of $user)/run"
  chmod 700 "$(home_of $user)/run"
done
[ "$(id -u)" -eq 0 ] && chown -R "${users[0]}:${users[0]}" "$(home_of a)" && chown -R "${users[1]}:${users[1]}" "$(home_of b)"
# The command line that runs COMMAND as user a or b, in command_line.
user_command() {  # a|b COMMAND...
  local uid=${users[0]} home
  [ "$1" = b ] && uid=${users[1]}
  home=$(home_of "$1")
  shift
  command_line=(env -i PATH="$root/usr/bin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$home/run" DISPLAY="$DISPLAY"
    QT_QPA_PLATFORM=xcb CANTREL_MIDI_BACKEND=capture "$@")
  [ "$(id -u)" -ne 0 ] || command_line=(setpriv --reuid="$uid" --regid="$uid" --clear-groups "${command_line[@]}")
}
as_user() {
  user_command "$@"
  "${command_line[@]}"
}
settings_of() { echo "$(home_of "$1")/.config/cantrel/cantrel.ini"; }
installed_sums() { (cd "$root" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
installed_sums >"$scratch/before.md5"

step "cantrel-cli"
as_user a cantrel-cli name C5 E G | grep -qx C || fail "cantrel-cli does not name C E G"
[ "$(as_user a cantrel-cli tunings | wc -l)" -gt 0 ] || fail "cantrel-cli finds no shipped tunings"
[ ! -e "$(settings_of a)" ] || fail "cantrel-cli wrote a settings file"
step "completion"
bash "$root_dir/tests/data/cli_completion.sh" "$root/usr/share/bash-completion/completions/cantrel-cli" \
  "$root/usr/bin/cantrel-cli" || fail "the completion"

# The program as the menu starts it.
program=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuU]//g')
wait_window() {  # title pattern [tenths of a second]
  local id
  for _ in $(seq "${2:-150}"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# Starts the program for a user; the second argument is the caption the main
# window comes to, the third whether the help opens (-: not looked at; a
# studio named on the command line opens its own help once).
start_and_stop() {  # a|b CAPTION shown|hidden|- [STUDIO]
  local user=$1 caption=$2 help=$3 main
  shift 3
  # shellcheck disable=SC2086
  user_command "$user" $program "$@"
  # The program itself, not a shell around it: a second start would hand
  # its studio to a first one left running.
  "${command_line[@]}" 2>>"$scratch/stderr.log" &
  pid=$!
  wait_window "^$caption\$" >/dev/null || fail "user $user: no main window '$caption'"
  if [ "$help" = shown ]; then
    wait_window '^Cantrel Studio Help$' >/dev/null || fail "user $user: Getting Started did not open"
  elif [ "$help" = hidden ]; then
    ! wait_window '^Cantrel Studio Help$' 20 >/dev/null || fail "user $user: Getting Started opened again"
  fi
  kill "$pid" 2>/dev/null || fail "user $user: the program ended by itself"
  wait "$pid" 2>/dev/null || true
  pid=
}
welcome_of() { sed -n 's/^Welcome=//p' "$(settings_of "$1")" | tr -d '\r'; }
remembered_by() { sed -n 's/^OpenStudio=//p' "$(settings_of "$1")" | tr -d '\r'; }

step "the program, two users"
start_and_stop a "Cantrel Studio" shown
[ -f "$(settings_of a)" ] || fail "user a: no settings in ~/.config/cantrel"
[ "$(welcome_of a)" = 0 ] || fail "user a: Getting Started would open again"
studio_a=$(home_of a)/a.cts
as_user a cp "$(home_of a)/.config/cantrel/TEMPLATE.!CT" "$studio_a" || fail "user a: no template studio of his own"
start_and_stop a "Cantrel Studio - a" - "$studio_a"

studio_b=$(home_of b)/b.cts
as_user b cp "$studio_a" "$studio_b"
start_and_stop b "Cantrel Studio - b" shown "$studio_b"
[ "$(welcome_of b)" = 0 ] || fail "user b: Getting Started would open again"
[ "$(remembered_by b)" = "$studio_b" ] || fail "user b remembers '$(remembered_by b)'"

start_and_stop a "Cantrel Studio - a" hidden
[ "$(remembered_by a)" = "$studio_a" ] || fail "user a remembers '$(remembered_by a)'"

installed_sums >"$scratch/after.md5"
diff "$scratch/before.md5" "$scratch/after.md5" || fail "the installed files changed"
step "all checks passed"
