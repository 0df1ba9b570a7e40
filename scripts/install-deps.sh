#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Usage: scripts/install-deps.sh [native|windows|all]   (default: native)
# Installing needs root (apt-get); without root a missing package is reported and the script fails.
set -euo pipefail
what=${1:-native}

native_pkgs=(cmake ninja-build make g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev python3)
windows_pkgs=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xdotool imagemagick x11-utils)

want=()
case "$what" in
  native) want=("${native_pkgs[@]}") ;;
  windows) want=("${windows_pkgs[@]}") ;;
  all) want=("${native_pkgs[@]}" "${windows_pkgs[@]}") ;;
  *) echo "usage: $0 [native|windows|all]" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages: ${missing[*]}; run as root (or: sudo apt-get install ${missing[*]})" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
for p in "${missing[@]}"; do
  if [[ "$p" == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
done
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
