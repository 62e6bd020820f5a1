#!/usr/bin/env bash
# Installs what building, running and testing Quarvel needs on Debian 12; with --x-tools also
# what the scripts under tools/ use to drive it on a private X display; with --fuzz also clang
# and its runtimes (libFuzzer), for the fuzz target of the sanitizer build (tests/README.md).
# Idempotent: asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth
  desktop-file-utils appstream
)
# The options come in any order.
x_tools=0 fuzz=0
for option in "$@"; do
  case "$option" in
    --x-tools) x_tools=1 ;;
    --fuzz) fuzz=1 ;;
    *) echo "install-deps.sh: unknown option '$option' (known: --x-tools, --fuzz)" >&2; exit 2 ;;
  esac
done
if [ "$x_tools" = 1 ]; then
  packages+=(xdotool imagemagick x11-utils openbox icewm wmctrl libx11-dev libxtst-dev)
fi
if [ "$fuzz" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
