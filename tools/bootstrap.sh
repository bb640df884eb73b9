#!/usr/bin/env bash
# Installs what building and testing need, only when it is missing, without prompts.
# Quick when everything is already there.
set -euo pipefail

need_packages=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  apt_updated=
fi

for pkg in g++-mingw-w64-i686 wine wine32:i386 clang libclang-rt-14-dev googletest cmake ninja-build binutils-mingw-w64-i686; do
  have_pkg "$pkg" || need_packages+=("$pkg")
done

apt_update_once() {
  if [ -z "${apt_updated:-}" ]; then as_root apt-get update -qq; apt_updated=1; fi
}

if [ ${#need_packages[@]} -gt 0 ]; then
  echo "bootstrap: installing ${need_packages[*]}"
  apt_update_once
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need_packages[@]}" >/dev/null
fi

# wine32 is a 32-bit Linux program. Some kernels run without 32-bit support
# (their dmesg says "32-bit emulation disabled"); there the 32-bit wine runs
# under qemu's user-mode emulator, registered for i386 ELF files through
# binfmt_misc. qemu 8.1 or later is needed: older versions ignore the
# no-replace hint that wine's memory set-up relies on, which makes every
# wine process start take close to a minute.
native_i386_works() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

qemu_major() { qemu-i386 --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\).*/\1/p'; }

if ! native_i386_works || [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  if [ "$(qemu_major || true)" = "" ] || [ "$(qemu_major)" -lt 9 ]; then
    echo "bootstrap: this kernel cannot run 32-bit programs; installing qemu-user from bookworm-backports"
    if ! grep -rqs bookworm-backports /etc/apt/sources.list /etc/apt/sources.list.d/; then
      echo 'deb http://deb.debian.org/debian bookworm-backports main' | as_root tee /etc/apt/sources.list.d/bookworm-backports.list >/dev/null
      apt_updated=
    fi
    apt_update_once
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user >/dev/null
  fi
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  entry=/proc/sys/fs/binfmt_misc/qemu-i386
  # The F flag keeps the interpreter file open, so an upgraded qemu needs a
  # fresh registration; registering again is cheap, so always do it.
  if [ -e "$entry" ]; then echo -1 | as_root tee "$entry" >/dev/null; fi
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' \
    | as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null
  native_i386_works || { echo "bootstrap: 32-bit programs still cannot run" >&2; exit 1; }
fi
