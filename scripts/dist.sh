#!/usr/bin/env bash
# Packs the release from two finished builds (their `cmake --install` trees) into DIST_DIR:
#   adif2kvx-VERSION-win32.zip           adif2kvx.exe, adif2kvx-help.html, README.txt, LICENSE
#   adif2kvx-VERSION-linux-ARCH.tar.gz   adif2kvx-VERSION-linux-ARCH/ with bin/adif2kvx-cli,
#                                        share/man/man1/adif2kvx-cli.1, share/doc/adif2kvx/
#   adif2kvx_VERSION_DEBARCH.deb         /usr/bin/adif2kvx-cli, its man page, README, copyright
#                                        and changelog in /usr/share/doc/adif2kvx
#   SHA256SUMS                           the checksums of all three, for sha256sum -c
# VERSION is the project's, as the builds generated it. Whatever DIST_DIR held before goes.
# The same commit packs into the same bytes: entries in name order, owned by root, with fixed
# modes and the time SOURCE_DATE_EPOCH (default: the last commit's).
# Usage: scripts/dist.sh WIN32_BUILD_DIR LINUX_BUILD_DIR [DIST_DIR]   (default DIST_DIR: dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win_build=$(cd "${1:?Windows build folder}" && pwd)
linux_build=$(cd "${2:?Linux build folder}" && pwd)
dist=${3:-dist}
export LC_ALL=C TZ=UTC
umask 022

: "${SOURCE_DATE_EPOCH:=$(git -C "$root" log -1 --format=%ct 2>/dev/null || true)}"
if [ -z "$SOURCE_DATE_EPOCH" ]; then
  echo "not a git checkout: set SOURCE_DATE_EPOCH to the release's time (seconds since 1970)" >&2
  exit 1
fi
export SOURCE_DATE_EPOCH  # dpkg-deb takes its times from it too

version_of() {  # the version a build generated
  sed -n 's/^#define ADIF2KVX_VERSION "\(.*\)".*/\1/p' "$1/generated/adif2kvx_version.h"
}
version=$(version_of "$linux_build")
[ -n "$version" ] || { echo "no version in $linux_build/generated" >&2; exit 1; }
if [ "$(version_of "$win_build")" != "$version" ]; then
  echo "the Windows build has version $(version_of "$win_build"), the Linux build $version: rebuild both" >&2
  exit 1
fi
changelog=$root/docs/changelog
if [ "$(sed -n '1s/^adif2kvx (\([^)]*\)).*/\1/p' "$changelog")" != "$version" ]; then
  echo "docs/changelog does not begin with an entry for version $version: add one" >&2
  exit 1
fi

stage=$(mktemp -d /tmp/adif2kvx-dist.XXXXXX)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$dist"
rm -f "$dist"/adif2kvx-*-win32.zip "$dist"/adif2kvx-*-linux-*.tar.gz "$dist"/adif2kvx_*.deb "$dist/SHA256SUMS"
dist=$(cd "$dist" && pwd)

# Gives every file and folder under DIR mode 644 or 755 (programs and folders) and the release time.
normalize() {
  find "$1" -type d -exec chmod 0755 {} + -o -type f -perm /111 -exec chmod 0755 {} + \
    -o -type f -exec chmod 0644 {} +
  find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}

# Windows: the program's folder as its install rules lay it out, zipped flat; zip -X stores no
# owners and no times but the release time.
win_files=(LICENSE README.txt adif2kvx-help.html adif2kvx.exe)
cmake --install "$win_build" --prefix "$stage/win32" >/dev/null
found=$(cd "$stage/win32" && find . -type f | sed 's|^\./||' | sort)
if [ "$found" != "$(printf '%s\n' "${win_files[@]}")" ]; then
  echo "the Windows install tree holds unexpected files:" >&2
  echo "$found" >&2
  exit 1
fi
normalize "$stage/win32"
zip=adif2kvx-$version-win32.zip
(cd "$stage/win32" && zip -q -X -D "$dist/$zip" "${win_files[@]}")

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
normalize "$stage/$top"
tarball=$top.tar.gz
tar -C "$stage" --format=gnu --sort=name --owner=0 --group=0 --numeric-owner \
  --mtime="@$SOURCE_DATE_EPOCH" -cf - "$top" | gzip -9n >"$dist/$tarball"

# Debian: the same tool and man page where Debian keeps them, the documents as Debian names
# them. The C library is the only one the tool links (checked above), so it is the one
# dependency, from the newest glibc symbol version it uses.
deb_arch=$(dpkg --print-architecture)
deb=adif2kvx_${version}_$deb_arch.deb
pkg=$stage/deb
doc=$pkg/usr/share/doc/adif2kvx
mkdir -p "$pkg/DEBIAN" "$pkg/usr/bin" "$pkg/usr/share/man/man1" "$doc"
cp "$cli" "$pkg/usr/bin/"
gzip -9n <"$stage/$top/share/man/man1/adif2kvx-cli.1" >"$pkg/usr/share/man/man1/adif2kvx-cli.1.gz"
cp "$root/README.md" "$doc/"
gzip -9n <"$changelog" >"$doc/changelog.gz"
{
  echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
  echo "Upstream-Name: adif2kvx"
  echo
  echo "Files: *"
  echo "Copyright: $(sed -n 's/^Copyright (c) //p' "$root/LICENSE")"
  echo "License: Expat"
  sed -e 's/^$/./' -e 's/^/ /' "$root/LICENSE"
} >"$doc/copyright"
depends=
if [ -n "$needed" ]; then
  glibc=$(objdump -T "$cli" | grep -o 'GLIBC_[0-9][0-9.]*' | sed 's/^GLIBC_//' | sort -uV | tail -n 1)
  depends="libc6 (>= $glibc)"
fi
installed_kb=$(cd "$pkg" && find usr -printf '%y %s\n' |
  awk '{ kb += ($1 == "f") ? int(($2 + 1023) / 1024) : 1 } END { print kb }')
{
  echo "Package: adif2kvx"
  echo "Version: $version"
  echo "Architecture: $deb_arch"
  echo "Maintainer: $(sed -n 's/^ -- \(.*>\)  .*/\1/p' "$changelog" | head -n 1)"
  echo "Installed-Size: $installed_kb"
  [ -z "$depends" ] || echo "Depends: $depends"
  echo "Section: hamradio"
  echo "Priority: optional"
  echo "Description: convert ADIF contest logs into KOLVEX import files"
  echo " adif2kvx-cli converts a contest log in ADIF, as contest loggers write it,"
  echo " into a KOLVEX station-log import file (.kvx) with a names file (.kvn)"
  echo " beside it. Every received exchange is checked against built-in reference"
  echo " data; contacts that do not check out are listed and still written."
} >"$pkg/DEBIAN/control"
(cd "$pkg" && find usr -type f | sort | xargs md5sum >DEBIAN/md5sums)
normalize "$pkg"
dpkg-deb --root-owner-group -Zxz --build "$pkg" "$dist/$deb" >/dev/null

(cd "$dist" && sha256sum "$tarball" "$zip" "$deb" >SHA256SUMS)
echo "packed $dist: $zip $tarball $deb SHA256SUMS"
