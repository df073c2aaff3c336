#!/usr/bin/env bash
# Installs every Debian package Quillophone needs to build, run and test (Debian 12).
# Uses sudo when not run as root. Does nothing when everything is already there.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config clang clang-format clang-tidy libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # sound
  libpulse-dev pulseaudio pulseaudio-utils
  # reference noise suppressor for the denoiser benchmark
  libspeexdsp-dev
  # desktop toolkit and media libraries
  qt6-base-dev libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libmp3lame0
  # tests: independent readers and makers of audio files, a display server
  sox libsox-fmt-base ffmpeg python3 xvfb xauth procps
  # the desktop program: vector artwork, Qt's own translations, fonts for every language
  qt6-svg-dev qt6-translations-l10n librsvg2-bin fonts-noto-cjk fonts-dejavu-core
  # tests of the desktop program: a window manager, input and screenshots, package checks
  openbox xdotool x11-utils imagemagick desktop-file-utils appstream
  # a bare X11 notification area for the tray test
  trayer
  # reference MP3 encoder program for the export benchmark
  lame
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
