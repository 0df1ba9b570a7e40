#!/usr/bin/env bash
# Packs the release from two finished builds (their `cmake --install` trees) into DIST_DIR:
#   adif2kvx-VERSION-win32.zip           adif2kvx.exe, adif2kvx-help.html, README.txt, LICENSE
#   adif2kvx-VERSION-linux-ARCH.tar.gz   adif2kvx-VERSION-linux-ARCH/ with bin/adif2kvx-cli,
#                                        share/man/man1/adif2kvx-cli.1, share/doc/adif2kvx/
#   SHA256SUMS                           the checksums of both, for sha256sum -c
# VERSION is the project's, as the builds generated it. Whatever DIST_DIR held before goes.
# Usage: scripts/dist.sh WIN32_BUILD_DIR LINUX_BUILD_DIR [DIST_DIR]   (default DIST_DIR: dist)
set -euo pipefail
win_build=$(cd "${1:?Windows build folder}" && pwd)
linux_build=$(cd "${2:?Linux build folder}" && pwd)
dist=${3:-dist}

version_of() {  # the version a build generated
  sed -n 's/^#define ADIF2KVX_VERSION "\(.*\)".*/\1/p' "$1/generated/adif2kvx_version.h"
}
version=$(version_of "$linux_build")
[ -n "$version" ] || { echo "no version in $linux_build/generated" >&2; exit 1; }
if [ "$(version_of "$win_build")" != "$version" ]; then
  echo "the Windows build has version $(version_of "$win_build"), the Linux build $version: rebuild both" >&2
  exit 1
fi

stage=$(mktemp -d /tmp/adif2kvx-dist.XXXXXX)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$dist"
rm -f "$dist"/adif2kvx-*-win32.zip "$dist"/adif2kvx-*-linux-*.tar.gz "$dist/SHA256SUMS"
dist=$(cd "$dist" && pwd)

# Windows: the program's folder as its install rules lay it out, zipped flat.
win_files=(adif2kvx.exe adif2kvx-help.html README.txt LICENSE)
cmake --install "$win_build" --prefix "$stage/win32" >/dev/null
found=$(cd "$stage/win32" && find . -type f | sed 's|^\./||' | sort)
if [ "$found" != "$(printf '%s\n' "${win_files[@]}" | sort)" ]; then
  echo "the Windows install tree holds unexpected files:" >&2
  echo "$found" >&2
  exit 1
fi
zip=adif2kvx-$version-win32.zip
(cd "$stage/win32" && cmake -E tar cf "$dist/$zip" --format=zip "${win_files[@]}")

# Linux: the install tree of the command-line tool under one top folder. The tool carries its
# C++ runtime, so a plain system needs only the C library.
top=adif2kvx-$version-linux-$(uname -m)
cmake --install "$linux_build" --prefix "$stage/$top" --strip >/dev/null
cli=$stage/$top/bin/adif2kvx-cli
[ -x "$cli" ] || { echo "the Linux install tree has no bin/adif2kvx-cli" >&2; exit 1; }
needed=$(objdump -p "$cli" | awk '$1 == "NEEDED" { print $2 }')
unexpected=$(printf '%s\n' "$needed" | grep -Ev '^(libc|libm|ld-linux[-a-z0-9_]*)\.so\.[0-9]+$' || true)
if [ -n "$unexpected" ]; then
  echo "adif2kvx-cli needs libraries a plain system may lack: $unexpected" >&2
  echo "(configure its build with -DADIF2KVX_STATIC_RUNTIME=ON)" >&2
  exit 1
fi
tarball=$top.tar.gz
tar -C "$stage" --owner=0 --group=0 --numeric-owner --sort=name -czf "$dist/$tarball" "$top"

(cd "$dist" && sha256sum "$zip" "$tarball" >SHA256SUMS)
echo "packed $dist: $zip $tarball SHA256SUMS"
