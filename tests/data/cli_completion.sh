#!/usr/bin/env bash
# Tab completion of cantrel-cli as bash runs it: commands, global and command
# options, option values, tuning numbers with their names, and files where a
# command takes one.
#   cli_completion.sh COMPLETION_FILE CANTREL_CLI
set -uo pipefail
completion=$(realpath "$1") cli=$(realpath -s "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# shellcheck source=../../data/completion/cantrel-cli
source "$completion" || { echo "FAIL: the completion does not load"; exit 1; }
[ "$(complete -p cantrel-cli)" = "complete -F _cantrel_cli cantrel-cli" ] ||
  { echo "FAIL: cantrel-cli has no completion: $(complete -p cantrel-cli 2>&1)"; exit 1; }

# The offers for a command line whose last word is being typed, one a line.
offers() {
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=${#COMP_WORDS[@]}
  COMP_CWORD=$((COMP_CWORD - 1))
  COMPREPLY=()
  _cantrel_cli 2>"$scratch/errors"
  [ -s "$scratch/errors" ] && echo "(errors: $(cat "$scratch/errors"))"
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() {  # the expected offers, "|"-separated and sorted, then the words
  local wanted=$1 got
  shift
  got=$(offers "$@" | paste -sd'|')
  if [ "$got" != "$wanted" ]; then
    echo "FAIL: cantrel-cli $* <Tab>: offered '$got', wanted '$wanted'"
    failures=$((failures + 1))
  fi
}

# Twelve tunings, numbered 0 to 11 on the command line.
{
  echo "[Tunings]"
  for i in $(seq 12); do echo "$i=\"Lute $i\",\"Course $i\", E4 A5 D5 G5 B6 E6"; done
} > "$scratch/tunings.ini"
settings=(--ini "$scratch/tunings.ini")

mkdir "$scratch/songs"
touch "$scratch/a.cts" "$scratch/b.CTS" "$scratch/my song.cts" "$scratch/c.txt" "$scratch/d.mid" "$scratch/e.wav" "$scratch/songs/f.mid"
cd "$scratch" || exit 1

commands=$("$cli" --help | awk '/^Commands:/{on=1;next} /^$/{on=0} on{print $1}' | sort | paste -sd'|')
expect "$commands" ""
expect "strings|studio" st
options=$("$cli" --help | grep -o '^  \(-h, \)\?--[a-z-]*' | sed 's/.* //' | sort | paste -sd'|')
expect "$options" --
expect "0|1|$commands" --no-root ""
expect "strings|studio" --no-root st
expect "--batch|--capo|--frets|--tuning" strings --
expect "--any-bass|--capo|--count|--frets|--left-handed|--span|--svg|--tuning" "${settings[@]}" fingerings --tuning 1 --
# Several tunings match: each with its name; one: the bare number.
expect "1  Lute 2 Course 2|10  Lute 11 Course 11|11  Lute 12 Course 12" "${settings[@]}" strings --capo 2 --tuning 1
expect "7" "${settings[@]}" --accidentals 1 fingerings --tuning 7
expect "" --ini "$scratch/none.ini" strings --tuning ""
expect "a.cts|b.CTS|my song.cts|songs" studio --layout ""
expect "e.wav|songs" play --wav ""
expect "" play --device 0 C5 ""
# A command's name as the value of a global option is no command.
expect "$options" --ini name --

expect "bar|beat|change" chords song.mid --per ""
expect "d.mid|songs" chords ""
expect "songs/f.mid" chords songs/
expect "a|c" --octaves ""
expect "songs" fingerings --svg ""

[ "$failures" -eq 0 ] || exit 1
echo "cli_completion: all offers as expected"
