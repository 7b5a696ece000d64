#!/usr/bin/env bash
# Fails when cantrel-cli's process would load a library it must not: no window
# stack at all, and the sound stack (QtCore, FluidSynth, RtMidi) only through
# its sound module, so that naming a chord starts small.
#   scripts/check_cli_links.sh PATH/TO/cantrel-cli
set -euo pipefail
program=${1:?usage: check_cli_links.sh PATH/TO/cantrel-cli}

forbidden='libQt6(Widgets|Gui|DBus|PrintSupport|Core)\.so|libfluidsynth\.so|librtmidi\.so'

libraries=$(ldd "$program")
if grep -q 'not found' <<<"$libraries"; then
  echo "$program: a library it needs is not found:" >&2
  grep 'not found' <<<"$libraries" >&2
  exit 1
fi
if offending=$(grep -E "$forbidden" <<<"$libraries"); then
  echo "$program loads what only the program or the sound commands may:" >&2
  echo "$offending" >&2
  exit 1
fi
echo "$program: $(wc -l <<<"$libraries") libraries, none of the window or sound stack"
