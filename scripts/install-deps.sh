#!/usr/bin/env bash
# Installs the Debian packages the build and the tests use, only those that are missing.
# Usage: scripts/install-deps.sh [native|windows|bench|screenshot|all]   (default: native)
#   native      the build, the unit and end-to-end tests, the sanitizer and fuzz builds
#   windows     the MinGW-w64 cross build and the Wine test (with the Russian locale it uses)
#   bench       make bench
#   screenshot  make screenshot
# Installing needs root (apt-get); without root a missing package is reported and the script fails.
set -euo pipefail
what=${1:-native}

native_pkgs=(cmake ninja-build make g++ clang clang-format libgtest-dev libgmock-dev libcli11-dev)
windows_pkgs=(g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb locales)
bench_pkgs=(time)
screenshot_pkgs=(imagemagick)
# The Wine test runs the program under a Russian locale (ANSI code page 1251).
wine_test_locale=ru_RU.UTF-8

groups=()
case "$what" in
  native | windows | bench | screenshot) groups=("$what") ;;
  all) groups=(native windows bench screenshot) ;;
  *) echo "usage: $0 [native|windows|bench|screenshot|all]" >&2; exit 2 ;;
esac
in_groups() { [[ " ${groups[*]} " == *" $1 "* ]]; }

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "$1; run as root (or: sudo $2)" >&2
    exit 1
  fi
}

updated=0
install_missing() {
  local missing=() p
  for p in "$@"; do is_installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  need_root "missing packages: ${missing[*]}" "apt-get install ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  for p in "${missing[@]}"; do
    if [[ "$p" == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
      dpkg --add-architecture i386
      updated=0
    fi
  done
  if [ $updated -eq 0 ]; then
    apt-get update -qq
    updated=1
  fi
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The sanitizer and fuzzer runtimes of the clang that is installed: Debian ships them in
# libclang-rt-N-dev (before Debian 12: libclang-common-N-dev), N being clang's major version.
install_clang_runtime() {
  local runtime major package
  runtime=$(clang -print-file-name=libclang_rt.asan-x86_64.a)
  [ -f "$runtime" ] && return 0
  major=$(clang -dumpversion | cut -d. -f1)
  package=libclang-rt-$major-dev
  if ! apt-cache show "$package" >/dev/null 2>&1; then package=libclang-common-$major-dev; fi
  install_missing "$package"
}

# Generates the glibc locale unless it is there already.
install_locale() {
  local locale=$1 charset=${1#*.}
  local name=${1%%.*}.$(printf '%s' "$charset" | tr 'A-Z' 'a-z' | tr -d -)
  locale -a 2>/dev/null | grep -qx "$name" && return 0
  need_root "missing locale $locale" "locale-gen after enabling '$locale $charset' in /etc/locale.gen"
  if ! grep -q "^$locale $charset\$" /etc/locale.gen 2>/dev/null; then
    if grep -q "^# *$locale $charset\$" /etc/locale.gen 2>/dev/null; then
      sed -i "s/^# *$locale $charset\$/$locale $charset/" /etc/locale.gen
    else
      echo "$locale $charset" >>/etc/locale.gen
    fi
  fi
  locale-gen >/dev/null
}

if in_groups native; then
  install_missing "${native_pkgs[@]}"
  install_clang_runtime
fi
if in_groups windows; then
  install_missing "${windows_pkgs[@]}"
  install_locale "$wine_test_locale"
fi
if in_groups bench; then install_missing "${bench_pkgs[@]}"; fi
if in_groups screenshot; then install_missing "${screenshot_pkgs[@]}"; fi
exit 0
