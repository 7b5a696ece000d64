#!/usr/bin/env bash
# The manual page of cantrel-cli names every command, global option and
# command option that `cantrel-cli --help` lists, and renders without a
# warning from man.
#   manual_covers_cli.sh MANUAL.scd CANTREL_CLI
set -uo pipefail
manual=$1 cli=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

help=$("$cli" --help) || { echo "FAIL: cantrel-cli --help"; exit 1; }
commands=$(awk '/^Commands:/{on=1;next} /^$/{on=0} on{print $1}' <<<"$help")
[ -n "$commands" ] || fail "no commands in the help"
for command in $commands; do
  grep -q "^\*$command\*" "$manual" || fail "the manual does not describe the command $command"
done
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
  grep -q -- "\*$option\*" "$manual" || fail "the manual does not describe $option"
done

if command -v scdoc >/dev/null && command -v man >/dev/null; then
  scdoc <"$manual" >"${TMPDIR:-/tmp}/manual_covers_cli.$$" || fail "scdoc cannot read the manual"
  warnings=$(MANWIDTH=80 man --warnings -l "${TMPDIR:-/tmp}/manual_covers_cli.$$" 2>&1 >/dev/null)
  rm -f "${TMPDIR:-/tmp}/manual_covers_cli.$$"
  [ -z "$warnings" ] || fail "man warns: $warnings"
fi
[ "$failures" -eq 0 ] || exit 1
echo "manual_covers_cli: every command and option described"
