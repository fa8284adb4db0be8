#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Does nothing when they are all there already.
set -euo pipefail

packages=(
  cmake g++ make pkgconf file
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  libmpv-dev libtag1-dev sqlite3 libsqlite3-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev ffmpeg
  fonts-liberation fonts-dejavu-core fonts-noto-cjk fonts-noto-color-emoji
  lame xvfb xauth xdotool python3-mutagen eyed3 kid3-cli sox ccache
  libbenchmark-dev clang clang-format clang-tidy libclang-rt-14-dev dpkg-dev
  desktop-file-utils appstream
  libpocketsphinx-dev libsphinxbase-dev pocketsphinx-en-us libespeak-ng-dev espeak-ng libaubio-dev
  python3-numpy flite festival festvox-us-slt-hts rubberband-cli flac
  at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
