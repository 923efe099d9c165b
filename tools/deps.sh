#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Sourced by ./run and ./test; safe to run again. trx_require PACKAGE... installs more.
set -euo pipefail

trx_require() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  ((${#missing[@]})) || return 0
  echo "Installing missing Debian packages: ${missing[*]}"
  local sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo_cmd=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

trx_require \
  g++ cmake ninja-build pkg-config ccache \
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev \
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk \
  libturbojpeg0-dev \
  libgtest-dev libbenchmark-dev libssl-dev \
  fonts-liberation python3-fonttools \
  fonts-liberation2 fonts-dejavu fonts-noto \
  xvfb xauth imagemagick poppler-utils x11-utils openbox desktop-file-utils \
  dpkg-dev lintian appstream \
  iproute2 util-linux xdg-utils \
  dbus-daemon at-spi2-core python3-pyatspi \
  orca speech-dispatcher xdotool
