#!/usr/bin/env bash
# Installs the Debian packages the build and the tests use, only those that are missing.
# Usage: scripts/install-deps.sh [native|windows|dist|bench|screenshot|all]   (default: native)
#   native      the build, the unit and end-to-end tests, the sanitizer and fuzz builds
#   windows     the MinGW-w64 cross build and the Wine test (with the Russian locale it uses)
#   dist        make dist (the release packages)
#   bench       make bench
#   screenshot  make screenshot
# Installing needs root (apt-get); without root a missing package is reported and the script fails.
# Another package manager at work (unattended upgrades, for minutes after a machine boots) is
# waited for, up to ten minutes, with one line saying so.
set -euo pipefail
what=${1:-native}

native_pkgs=(cmake ninja-build make g++ clang clang-format libgtest-dev libgmock-dev libcli11-dev)
windows_pkgs=(g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb locales)
# zip writes the Windows package without owners or extra timestamps; dpkg-deb comes with dpkg.
dist_pkgs=(zip)
bench_pkgs=(time)
screenshot_pkgs=(imagemagick)
# The Wine test runs the program under a Russian locale (ANSI code page 1251).
wine_test_locale=ru_RU.UTF-8

groups=()
case "$what" in
  native | windows | dist | bench | screenshot) groups=("$what") ;;
  all) groups=(native windows dist bench screenshot) ;;
  *) echo "usage: $0 [native|windows|dist|bench|screenshot|all]" >&2; exit 2 ;;
esac
in_groups() { [[ " ${groups[*]} " == *" $1 "* ]]; }

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "$1; run as root (or: sudo $2)" >&2
    exit 1
  fi
}

# How long apt-get waits for the locks of another package manager.
lock_wait_seconds=600
# Exists once the run has said that it waits (apt-get's reports come through a pipe).
said_waiting=$(mktemp -u)
trap 'rm -f "$said_waiting"' EXIT

# Says, once in the run, that the set-up waits for the package manager named in REASON.
say_waiting() {
  [ -e "$said_waiting" ] && return 0
  echo "Waiting up to $((lock_wait_seconds / 60)) minutes for another package manager to finish: $1" >&2
  : >"$said_waiting"
}

# Passes nothing of apt-get's output on but, when apt-get reports that it waits for the dpkg
# lock (a line a second), the first such report through say_waiting.
report_wait() {
  local line
  while IFS= read -r line; do
    if [[ "$line" == "Waiting for cache lock: "* ]]; then
      line=${line#Waiting for cache lock: }
      say_waiting "${line%...}."
    fi
  done
}

# apt-get ARG..., waiting for the locks of another package manager: apt-get itself waits for the
# dpkg lock; the package lists' lock (apt-get update) it does not wait for, so that run is
# repeated. After the wait it fails with apt-get's messages and one saying what to do.
apt_get() {
  local started=$SECONDS errors status left
  errors=$(mktemp)
  while :; do
    left=$((lock_wait_seconds - (SECONDS - started)))
    [ $left -gt 0 ] || left=1
    status=0
    apt-get -q -o DPkg::Lock::Timeout=$left "$@" 2>"$errors" | report_wait || status=$?
    if [ $status -eq 0 ] || ! grep -q '^E: \(Could not get lock\|Unable to acquire the dpkg\)' "$errors"; then
      break
    fi
    if [ $((SECONDS - started)) -ge $lock_wait_seconds ]; then
      cat "$errors" >&2
      echo "Another package manager held its lock for $((lock_wait_seconds / 60)) minutes;" \
        "run this again once it has finished." >&2
      rm -f "$errors"
      exit 1
    fi
    say_waiting "$(sed -n 's/^E: \(Could not get lock .*\)$/\1./p' "$errors" | head -n 1)"
    sleep 5
  done
  cat "$errors" >&2
  rm -f "$errors"
  return $status
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
    apt_get update
    updated=1
  fi
  apt_get install -y --no-install-recommends "${missing[@]}"
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
if in_groups dist; then install_missing "${dist_pkgs[@]}"; fi
if in_groups bench; then install_missing "${bench_pkgs[@]}"; fi
if in_groups screenshot; then install_missing "${screenshot_pkgs[@]}"; fi
exit 0
