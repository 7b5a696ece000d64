#!/usr/bin/env bash
# Installs what Cantrel Studio needs on Debian 12 and builds it with -j2.
# Safe to run again: packages already present are not fetched twice.
#   scripts/setup.sh            build in ./build
#   BUILD_DIR=dir scripts/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev
  libfluidsynth-dev timgm6mb-soundfont
  # jackd2's development files, named so that apt never picks the other JACK
  # for librtmidi-dev; jackd2 also runs the real-port tests
  libjack-jackd2-dev jackd2 librtmidi-dev
  libgtest-dev libgmock-dev
  xvfb xauth x11-utils imagemagick xdotool openbox
  mscompress
  # the package and its checks: manual pages, dependencies, lintian, the
  # desktop entry and AppStream metadata, man
  scdoc file dpkg-dev lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
# CI holds our code to no warnings at all.
werror=()
[ -n "${CI:-}" ] && werror=(-DCANTREL_WARNINGS_AS_ERRORS=ON)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" >/dev/null
cmake --build "$build_dir" -j2
