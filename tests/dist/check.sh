#!/usr/bin/env bash
# The release packages of two make dist runs of one commit are the same bytes, and the Debian
# package's tool runs from a root it was unpacked into.
# Usage: tests/dist/check.sh DIST_DIR OTHER_DIST_DIR
set -uo pipefail
dist=$(cd "$1" && pwd) || exit 1
failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

check "two builds give the same SHA256SUMS" diff "$dist/SHA256SUMS" "$2/SHA256SUMS"
check "SHA256SUMS match the packages" bash -c "cd '$dist' && sha256sum --quiet -c SHA256SUMS"
deb=$(awk '/\.deb$/ { print $2 }' "$dist/SHA256SUMS")
version=${deb#adif2kvx_}
version=${version%_*.deb}
check "SHA256SUMS lists the tarball, the zip and the .deb" test "$(awk '{ print $2 }' "$dist/SHA256SUMS")" = \
  "adif2kvx-$version-linux-$(uname -m).tar.gz
adif2kvx-$version-win32.zip
adif2kvx_${version}_$(dpkg --print-architecture).deb"
check "the package holds the tool, the man page and the documents, owned by root" \
  test "$(dpkg-deb -c "$dist/$deb" | awk '{ print $1, $2, $6 }')" = \
  "drwxr-xr-x root/root ./
drwxr-xr-x root/root ./usr/
drwxr-xr-x root/root ./usr/bin/
-rwxr-xr-x root/root ./usr/bin/adif2kvx-cli
drwxr-xr-x root/root ./usr/share/
drwxr-xr-x root/root ./usr/share/doc/
drwxr-xr-x root/root ./usr/share/doc/adif2kvx/
-rw-r--r-- root/root ./usr/share/doc/adif2kvx/README.md
-rw-r--r-- root/root ./usr/share/doc/adif2kvx/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/adif2kvx/copyright
drwxr-xr-x root/root ./usr/share/man/
drwxr-xr-x root/root ./usr/share/man/man1/
-rw-r--r-- root/root ./usr/share/man/man1/adif2kvx-cli.1.gz"
root=$(mktemp -d /tmp/adif2kvx-deb.XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg -x "$dist/$deb" "$root"
check "the unpacked tool runs" test "$("$root/usr/bin/adif2kvx-cli" --version)" = "adif2kvx-cli $version"
check "the man page is gzipped" test "$(zcat "$root/usr/share/man/man1/adif2kvx-cli.1.gz" | head -c 19)" = ".TH ADIF2KVX-CLI 1 "
[ $failures -eq 0 ] || { echo "$failures release checks failed" >&2; exit 1; }
echo "the release checks passed"
