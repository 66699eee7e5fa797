#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, and makes
# sure i386 programs (Wine's 32-bit loader) can run here. Idempotent: a second
# run only checks.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  cmake ninja-build googletest
  wine wine32:i386 wine64 xvfb xauth x11-utils
  mscompress icoutils liblnk-utils imagemagick python3
  fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "Missing packages. As root run:" >&2
    echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Some kernels here run with 32-bit emulation switched off, so Wine's i386
# loader cannot execute. Then i386 ELF files go through qemu's user-mode
# emulator, registered with binfmt_misc. Debian 12's qemu (7.2) lacks
# MAP_FIXED_NOREPLACE and Wine then spins for minutes reserving its address
# space, so the emulator is taken from Debian 13's qemu-user package.
i386_runs() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
# The address of the Debian archive in the machine's own apt sources (not its
# security archive), as apt itself resolved it; empty when apt knows none.
debian_mirror() {
  apt-get indextargets --format '$(ORIGIN)|$(LABEL)|$(REPO_URI)' 'Created-By: Packages' 2>/dev/null \
    | awk -F'|' '$1 == "Debian" && $2 == "Debian" { print $3; exit }'
}
if ! i386_runs; then
  qemu=/usr/local/lib/auctiontorvin/qemu-i386
  if [ "$(id -u)" != 0 ]; then
    echo "i386 programs cannot run on this kernel; run this script as root once to set up qemu-i386." >&2
    exit 1
  fi
  if [ ! -x "$qemu" ]; then
    work=$(mktemp -d)
    list=/etc/apt/sources.list.d/auctiontorvin-trixie.list
    # The next release from the mirror this machine already installs Debian from.
    mirror=$(debian_mirror)
    [ -n "$mirror" ] || { apt-get update -qq; mirror=$(debian_mirror); }
    [ -n "$mirror" ] || { echo "no Debian archive in this machine's apt sources" >&2; exit 1; }
    echo "deb [arch=amd64] $mirror trixie main" > "$list"
    apt-get update -qq -o Dir::Etc::sourcelist="$list" -o Dir::Etc::sourceparts=- -o APT::Get::List-Cleanup=0
    (cd "$work" && apt-get download -qq qemu-user/trixie 2>/dev/null)
    rm -f "$list"
    apt-get update -qq
    dpkg-deb -x "$work"/qemu-user_*.deb "$work/x"
    mkdir -p "$(dirname "$qemu")"
    cp "$work/x/usr/bin/qemu-i386" "$qemu"
    rm -rf "$work"
  fi
  mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' \
    > /proc/sys/fs/binfmt_misc/register
  i386_runs || { echo "i386 programs still cannot run" >&2; exit 1; }
fi
